#include "UnitConversion.h"

#include "DisplayUnits.h"
#include "NumberText.h"

#include <cmath>

ShownValues ShowInUnits(int units, double soundSpeedMetric, double offsetMetric,
                        ShownValues shown) {
    if (const std::optional<DisplayUnits> shownUnits = UnitsOf(units)) {
        const std::string abbrev(shownUnits->abbrev);
        if (const std::optional<double> perMetre = shownUnits->dPerMetre) {
            shown = {soundSpeedMetric * *perMetre, offsetMetric * *perMetre,
                     "(" + abbrev + "/s):", "Offset (" + abbrev + ")"};
        } else { // the one-way travel time of the offset
            shown.offset =
                offsetMetric / soundSpeedMetric * shownUnits->PerSecond(soundSpeedMetric);
            shown.offsetUnits = "Offset (" + abbrev + "):";
        }
    }
    shown.soundSpeed = TruncateToHundredths(shown.soundSpeed);
    shown.offset = TruncateToHundredths(shown.offset);
    return shown;
}

std::optional<double> ToMetric(int units, double shown) {
    const std::optional<DisplayUnits> shownUnits = UnitsOf(units);
    if (shownUnits && shownUnits->dMetresPer)
        return shown * *shownUnits->dMetresPer;
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
