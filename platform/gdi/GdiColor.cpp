#include "GdiColor.h"

#include <QGuiApplication>
#include <QPalette>

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

COLORREF GetSysColor(int nIndex) {
    if (nIndex != COLOR_WINDOW)
        return 0;
    return ToColorRef(QGuiApplication::palette().color(QPalette::Base));
}
