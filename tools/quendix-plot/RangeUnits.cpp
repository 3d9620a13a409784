#include "RangeUnits.h"

#include "DisplayUnits.h"
#include "IProfile.h"
#include "NumberText.h"
#include "QuendixCodes.h"

#include <cmath>
#include <iostream>

namespace {

// The sound speed the program stores, as the program reads it; nothing when it would make
// every distance meaningless.
std::optional<double> StoredSoundSpeed(IProfile& profile) {
    const std::string text = profile.GetProfileString("Settings", "SoundSpeedMetric", "1500");
    if (text.empty())
        return std::nullopt;
    const double speed = AtoF(text);
    if (std::isfinite(speed) && speed > 0)
        return speed;
    std::cerr << "quendix-plot: the INI file's sound speed \"" << text
              << "\" is no speed; distances are at 1500 m/s (give --sound-speed to choose)\n";
    return std::nullopt;
}

} // namespace

RangeUnits::RangeUnits(int nUnits, double dSoundSpeed)
    : m_units(UnitsOf(nUnits).value_or(*UnitsOf(UNITS_METRES))), m_dSoundSpeed(dSoundSpeed) {}

RangeUnits RangeUnits::Resolve(std::optional<int> nUnits, std::optional<double> dSoundSpeed,
                               IProfile& profile) {
    if (!nUnits)
        nUnits = UnitsFromStored(profile.GetProfileInt("Settings", "Units", 0));
    if (!dSoundSpeed && *nUnits != UNITS_MSEC)
        dSoundSpeed = StoredSoundSpeed(profile);
    return RangeUnits(*nUnits, dSoundSpeed.value_or(NOMINAL_SOUND_SPEED));
}

// As the display computes it: the travel time at the sound speed, then in the units.
double RangeUnits::FromMilliseconds(double dMs) const {
    if (!m_units.dPerMetre)
        return dMs;
    return dMs / 1000.0 * m_dSoundSpeed * *m_units.dPerMetre;
}

std::string RangeUnits::Abbrev() const {
    return std::string(m_units.abbrev);
}

std::string RangeUnits::AxisTitle() const {
    if (!m_units.dPerMetre)
        return "Range (ms travel time, as logged)";
    return "Range (" + Abbrev() + " at " + FormatGeneral(m_dSoundSpeed, 6) + " m/s)";
}
