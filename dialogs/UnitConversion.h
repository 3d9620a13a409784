#pragma once
// The settings dialog's units: what it shows for the metric sound speed and offset, and how
// an edited value goes back to metric.

#include <optional>
#include <string>

struct ShownValues {
    double soundSpeed = 0.0;
    double offset = 0.0;
    std::string speedUnits;  // label beside the sound speed
    std::string offsetUnits; // label of the offset field
};

// The values and labels shown in `units`, each value cut to two decimals. What these units
// do not derive keeps what `shown` holds: milliseconds have no sound speed of their own, and
// an unknown code derives nothing.
ShownValues ShowInUnits(int units, double soundSpeedMetric, double offsetMetric, ShownValues shown);

// A shown metres or feet value in metric; nothing in other units.
std::optional<double> ToMetric(int units, double shown);

// Cut toward zero to two decimals, as the value reads at 15 significant digits, so that a
// value such as 0.29 is not cut to 0.28 by its binary representation.
double TruncateToHundredths(double value);
