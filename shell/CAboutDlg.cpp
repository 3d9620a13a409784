#include "shell/CAboutDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// The box is laid out in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
struct DialogUnits {
    explicit DialogUnits(const QFontMetrics& metrics)
        : x(metrics.averageCharWidth() / 4.0), y(metrics.height() / 8.0) {}

    QPoint Point(int left, int top) const { return {qRound(left * x), qRound(top * y)}; }

    QRect Rect(int left, int top, int width, int height) const {
        return {qRound(left * x), qRound(top * y), qRound(width * x), qRound(height * y)};
    }

    double x;
    double y;
};

// Placed where the layout puts it, sized to its text so no font cuts it short.
void AddText(QWidget* dialog, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, dialog);
    label->move(topLeft);
    label->adjustSize();
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Quendix Instruments Quendix Display"));
    const DialogUnits units(fontMetrics());
    setFixedSize(units.Rect(0, 0, 242, 76).size());

    auto* icon = new QLabel(this);
    const QRect iconRect = units.Rect(11, 17, 20, 20);
    icon->setGeometry(iconRect);
    icon->setPixmap(QApplication::windowIcon().pixmap(iconRect.size()));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.Rect(203, 7, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    AddText(this, QStringLiteral("Quendix Display Version 1.03"), units.Point(40, 10));
    AddText(this, QStringLiteral("Copyright (C) 2002 Quendix Instruments"), units.Point(40, 22));
    AddText(this, QStringLiteral("Release Date 30/07/2002"), units.Point(40, 34));
    AddText(this, QStringLiteral("Written by the Quendix Instruments engineering team"),
            units.Point(40, 55));
}
