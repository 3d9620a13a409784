#pragma once
// Round tick marks: values in steps of 1, 2 or 5 times a power of ten, times at whole seconds,
// minutes, hours or days of the log's clock.

#include <cstdint>

struct ValueTicks {
    double dFirst;
    double dStep;
    int nIntervals;
    // Decimals that tell the ticks apart.
    int nDecimals;

    double Last() const { return dFirst + dStep * nIntervals; }
};

// Ticks from a round value at or below dLow to one at or above dHigh, at most nMaxIntervals
// apart.
ValueTicks RoundValueTicks(double dLow, double dHigh, int nMaxIntervals);

// The smallest round step that puts at most nMaxTicks ticks on nSpan seconds.
std::int64_t RoundTimeStep(std::int64_t nSpan, int nMaxTicks);
