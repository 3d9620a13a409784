#pragma once
// The operator's units, each stated once: metres and feet are a distance at the sound speed,
// milliseconds the one-way travel time. The document, the settings dialog and quendix-plot
// convert through them; key "Units" of the INI file stores each by a number of its own.

#include <optional>
#include <string_view>

struct DisplayUnits {
    // UNITS_METRES, UNITS_FEET or UNITS_MSEC.
    int nCode;
    // As key "Units" stores it: 0, 1 or 2.
    int nStored;
    // "m", "ft" or "ms".
    std::string_view abbrev;
    // One metre in these units, and one of these units in metres: each is applied as written,
    // the one never divided by the other. Nothing for milliseconds, which are no distance.
    std::optional<double> dPerMetre;
    std::optional<double> dMetresPer;

    // One second of one-way travel time, at the sound speed for a distance.
    double PerSecond(double dSoundSpeedMetric) const;
};

// Nothing for a code or an abbreviation of no units.
std::optional<DisplayUnits> UnitsOf(int nUnits);
std::optional<DisplayUnits> UnitsNamed(std::string_view abbrev);

// Any other stored value reads as metres.
int UnitsFromStored(int stored);
// Anything but feet or milliseconds is stored as metres.
int StoredFromUnits(int units);
