#include "LogTimeText.h"

#include "LogLine.h"

namespace {

// The date and the time of day, as a line of the log writes them.
std::pair<std::string, std::string> LogTimeParts(std::int64_t nSeconds) {
    const std::string text = FormatLogTime(nSeconds);
    const std::size_t comma = text.find(',');
    return {text.substr(0, comma), text.substr(comma + 1)};
}

} // namespace

std::string DateText(std::int64_t nSeconds) {
    return LogTimeParts(nSeconds).first;
}

std::string ClockText(std::int64_t nSeconds, bool bSeconds) {
    const std::string clock = LogTimeParts(nSeconds).second;
    return bSeconds ? clock : clock.substr(0, clock.rfind(':'));
}

std::string DateTimeText(std::int64_t nSeconds) {
    const auto [date, clock] = LogTimeParts(nSeconds);
    return date + " " + clock;
}
