#pragma once
// The units the picture shows ranges in. The log holds the corrected one-way travel time in
// milliseconds; metres and feet are that time at a sound speed, as the display computes them.

#include "DisplayUnits.h"

#include <optional>
#include <string>

class IProfile;

class RangeUnits {
public:
    RangeUnits(int nUnits, double dSoundSpeed);

    // The units and sound speed asked for; what is not asked for comes from section "Settings"
    // of the program's INI file, which gives metres at 1500 m/s when it is missing.
    static RangeUnits Resolve(std::optional<int> nUnits, std::optional<double> dSoundSpeed,
                              IProfile& profile);

    double FromMilliseconds(double dMs) const;
    // "m", "ft" or "ms"
    std::string Abbrev() const;
    // Says which units and, for distances, which sound speed.
    std::string AxisTitle() const;

private:
    DisplayUnits m_units;
    double m_dSoundSpeed;
};
