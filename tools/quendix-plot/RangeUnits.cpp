#include "RangeUnits.h"

#include "IProfile.h"
#include "NumberText.h"
#include "QuendixCodes.h"
#include "StoredUnits.h"

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
    : m_nUnits(nUnits), m_dSoundSpeed(dSoundSpeed) {}

RangeUnits RangeUnits::Resolve(std::optional<int> nUnits, std::optional<double> dSoundSpeed,
                               IProfile& profile) {
    if (!nUnits)
        nUnits = UnitsFromStored(profile.GetProfileInt("Settings", "Units", 0));
    if (!dSoundSpeed && *nUnits != UNITS_MSEC)
        dSoundSpeed = StoredSoundSpeed(profile);
    return RangeUnits(*nUnits, dSoundSpeed.value_or(NOMINAL_SOUND_SPEED));
}

double RangeUnits::FromMilliseconds(double dMs) const {
    const double metres = dMs / 1000.0 * m_dSoundSpeed;
    switch (m_nUnits) {
    case UNITS_FEET:
        return metres * FEET_PER_METRE;
    case UNITS_MSEC:
        return dMs;
    default:
        return metres;
    }
}

std::string RangeUnits::Abbrev() const {
    switch (m_nUnits) {
    case UNITS_FEET:
        return "ft";
    case UNITS_MSEC:
        return "ms";
    default:
        return "m";
    }
}

std::string RangeUnits::AxisTitle() const {
    if (m_nUnits == UNITS_MSEC)
        return "Range (ms travel time, as logged)";
    return "Range (" + Abbrev() + " at " + FormatGeneral(m_dSoundSpeed, 6) + " m/s)";
}
