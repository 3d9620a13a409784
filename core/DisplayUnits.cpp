#include "DisplayUnits.h"

#include "QuendixCodes.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<DisplayUnits, 3> UNITS{{
    {UNITS_METRES, 0, "m", 1.0, 1.0},
    {UNITS_FEET, 1, "ft", 3.280839895013123, 0.3048},
    {UNITS_MSEC, 2, "ms", std::nullopt, std::nullopt},
}};

template <typename Match> std::optional<DisplayUnits> Find(Match match) {
    const auto found = std::find_if(UNITS.begin(), UNITS.end(), match);
    return found == UNITS.end() ? std::nullopt : std::optional(*found);
}

} // namespace

double DisplayUnits::PerSecond(double dSoundSpeedMetric) const {
    return dPerMetre ? dSoundSpeedMetric * *dPerMetre : 1000.0;
}

std::optional<DisplayUnits> UnitsOf(int nUnits) {
    return Find([nUnits](const DisplayUnits& units) { return units.nCode == nUnits; });
}

std::optional<DisplayUnits> UnitsNamed(std::string_view abbrev) {
    return Find([abbrev](const DisplayUnits& units) { return units.abbrev == abbrev; });
}

int UnitsFromStored(int stored) {
    const auto units =
        Find([stored](const DisplayUnits& units) { return units.nStored == stored; });
    return units ? units->nCode : UNITS_METRES;
}

int StoredFromUnits(int units) {
    return UnitsOf(units).value_or(UNITS.front()).nStored;
}
