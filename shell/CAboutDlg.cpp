#include "CAboutDlg.h"

#include "DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// Placed where the layout puts it, sized to its text so no font cuts it short.
void AddText(QWidget* dialog, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, dialog);
    label->move(topLeft);
    label->adjustSize();
}

} // namespace

// Laid out in dialog units, like the settings dialog.
CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Quendix Instruments Quendix Display"));
    const DialogBaseUnits base = MeasureBaseUnits(font());
    const auto pixels = [base](int x, int y, int cx = 0, int cy = 0) {
        return DialogUnitsToPixels(QRect(x, y, cx, cy), base);
    };
    setFixedSize(pixels(0, 0, 242, 76).size());

    auto* icon = new QLabel(this);
    icon->setGeometry(pixels(11, 17, 20, 20));
    icon->setPixmap(QApplication::windowIcon().pixmap(icon->size()));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(pixels(203, 7, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AddText(this, QStringLiteral("Quendix Display Version 1.03"), pixels(40, 10).topLeft());
    AddText(this, QStringLiteral("Copyright (C) 2002 Quendix Instruments"),
            pixels(40, 22).topLeft());
    AddText(this, QStringLiteral("Release Date 30/07/2002"), pixels(40, 34).topLeft());
    AddText(this, QStringLiteral("Written by the Quendix Instruments engineering team"),
            pixels(40, 55).topLeft());
}
