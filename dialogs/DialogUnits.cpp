#include "DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

namespace {

int Scale(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

DialogBaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(const QRect& units, DialogBaseUnits base) {
    return {Scale(units.x(), base.cx, 4), Scale(units.y(), base.cy, 8),
            Scale(units.width(), base.cx, 4), Scale(units.height(), base.cy, 8)};
}
