#include "GdiColor.h"

#include <QGuiApplication>
#include <QPalette>

QColor ToQColor(COLORREF cr) {
    return QColor(cr & 0xFF, (cr >> 8) & 0xFF, (cr >> 16) & 0xFF);
}

COLORREF ToColorRef(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

COLORREF GetSysColor(int nIndex) {
    if (nIndex != COLOR_WINDOW)
        return 0;
    return ToColorRef(QGuiApplication::palette().color(QPalette::Base));
}
