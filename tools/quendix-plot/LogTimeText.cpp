#include "LogTimeText.h"

#include <chrono>
#include <cstdio>

namespace {

constexpr std::int64_t SECONDS_PER_DAY = 86400;

std::int64_t DayOf(std::int64_t nSeconds) {
    return nSeconds >= 0 ? nSeconds / SECONDS_PER_DAY : -((-nSeconds - 1) / SECONDS_PER_DAY) - 1;
}

} // namespace

std::string DateText(std::int64_t nSeconds) {
    const std::chrono::year_month_day date{
        std::chrono::sys_days{std::chrono::days{DayOf(nSeconds)}}};
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%02d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()) % 100);
    return text;
}

std::string ClockText(std::int64_t nSeconds, bool bSeconds) {
    const auto time = static_cast<int>(nSeconds - DayOf(nSeconds) * SECONDS_PER_DAY);
    char text[16];
    if (bSeconds)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", time / 3600, time / 60 % 60, time % 60);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", time / 3600, time / 60 % 60);
    return text;
}

std::string DateTimeText(std::int64_t nSeconds) {
    return DateText(nSeconds) + " " + ClockText(nSeconds);
}
