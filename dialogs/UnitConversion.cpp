#include "UnitConversion.h"

#include "NumberText.h"
#include "QuendixCodes.h"

#include <cmath>

ShownValues ShowInUnits(int units, double soundSpeedMetric, double offsetMetric,
                        ShownValues shown) {
    switch (units) {
    case UNITS_METRES:
        shown = {soundSpeedMetric, offsetMetric, "(m/s):", "Offset (m)"};
        break;
    case UNITS_FEET:
        shown = {soundSpeedMetric * FEET_PER_METRE, offsetMetric * FEET_PER_METRE,
                 "(ft/s):", "Offset (ft)"};
        break;
    case UNITS_MSEC:
        // The one-way travel time of the offset.
        shown.offset = offsetMetric / soundSpeedMetric * 1000.0;
        shown.offsetUnits = "Offset (ms):";
        break;
    default:
        break;
    }
    shown.soundSpeed = TruncateToHundredths(shown.soundSpeed);
    shown.offset = TruncateToHundredths(shown.offset);
    return shown;
}

std::optional<double> ToMetric(int units, double shown) {
    if (units == UNITS_METRES)
        return shown;
    if (units == UNITS_FEET)
        return shown * METRES_PER_FOOT;
    return std::nullopt;
}

double TruncateToHundredths(double value) {
    if (!std::isfinite(value))
        return value;
    std::string text = FormatGeneral(value, 15);
    if (text.find('e') != std::string::npos) // no fraction to cut, or nothing left of it
        return std::fabs(value) < 1.0 ? 0.0 : value;
    const auto point = text.find('.');
    if (point != std::string::npos && text.size() > point + 3)
        text.resize(point + 3);
    const double cut = AtoF(text);
    return cut == 0.0 ? 0.0 : cut; // never "-0"
}
