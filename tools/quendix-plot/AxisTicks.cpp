#include "AxisTicks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t MINUTE = 60;
constexpr std::int64_t HOUR = 3600;
constexpr std::int64_t DAY = 86400;
constexpr std::int64_t WEEK = 7 * DAY;

} // namespace

ValueTicks RoundValueTicks(double dLow, double dHigh, int nMaxIntervals) {
    if (!std::isfinite(dLow) || !std::isfinite(dHigh) || !std::isfinite(dHigh - dLow))
        return {0.0, 1.0, 1, 0};
    // A single value gets room around it.
    if (dHigh - dLow <= std::fabs(dLow) * 1e-9) {
        const double pad = std::max(1.0, std::fabs(dLow) * 1e-6);
        dLow -= pad;
        dHigh += pad;
    }
    const double raw = (dHigh - dLow) / std::max(1, nMaxIntervals);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= raw) {
            step = multiple * power;
            break;
        }
    }
    const double first = std::floor(dLow / step) * step;
    const double intervals = std::ceil((dHigh - first) / step - 1e-9);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    return {first, step, static_cast<int>(std::clamp(intervals, 1.0, nMaxIntervals + 2.0)),
            decimals};
}

std::int64_t RoundTimeStep(std::int64_t nSpan, int nMaxTicks) {
    constexpr std::int64_t STEPS[] = {1,           2,           5,          10,         15,
                                      30,          MINUTE,      2 * MINUTE, 5 * MINUTE, 10 * MINUTE,
                                      15 * MINUTE, 30 * MINUTE, HOUR,       2 * HOUR,   3 * HOUR,
                                      6 * HOUR,    12 * HOUR,   DAY,        2 * DAY,    WEEK};
    const std::int64_t ticks = std::max(1, nMaxTicks);
    for (const std::int64_t step : STEPS)
        if (nSpan / step < ticks)
            return step;
    return WEEK * (nSpan / (WEEK * ticks) + 1);
}
