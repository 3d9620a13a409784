#include "LogLine.h"

#include "NumberText.h"

#include <charconv>
#include <chrono>
#include <limits>

namespace {

constexpr std::size_t TIME_LENGTH = 17; // "dd/mm/yy,HH:MM:SS"
constexpr std::string_view TPDR_FIELD = ",Tpdr:";

std::optional<int> TwoDigits(std::string_view text, std::size_t at) {
    const char high = text[at];
    const char low = text[at + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9')
        return std::nullopt;
    return (high - '0') * 10 + (low - '0');
}

bool Consume(std::string_view& rest, std::string_view literal) {
    if (!rest.starts_with(literal))
        return false;
    rest.remove_prefix(literal.size());
    return true;
}

std::optional<int> ConsumeInteger(std::string_view& rest) {
    int value = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    rest.remove_prefix(static_cast<std::size_t>(result.ptr - rest.data()));
    return value;
}

// A sound speed of 0 makes the document log "inf", "-inf" or "nan" in a number's place.
std::optional<double> ConsumeNonFinite(std::string_view& rest) {
    constexpr double INF = std::numeric_limits<double>::infinity();
    constexpr std::pair<std::string_view, double> WORDS[] = {
        {"-inf", -INF},
        {"inf", INF},
        {"-nan", std::numeric_limits<double>::quiet_NaN()},
        {"nan", std::numeric_limits<double>::quiet_NaN()},
    };
    for (const auto& [word, value] : WORDS)
        if (Consume(rest, word))
            return value;
    return std::nullopt;
}

// A number of milliseconds and the "ms" after it.
std::optional<double> ConsumeMilliseconds(std::string_view& rest) {
    std::size_t consumed = 0;
    std::optional<double> value = ParseLeadingDouble(rest, &consumed);
    if (value)
        rest.remove_prefix(consumed);
    else
        value = ConsumeNonFinite(rest);
    if (!value || !Consume(rest, "ms"))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int64_t> ParseLogTime(std::string_view text) {
    if (text.size() != TIME_LENGTH || text[2] != '/' || text[5] != '/' || text[8] != ',' ||
        text[11] != ':' || text[14] != ':')
        return std::nullopt;
    const auto day = TwoDigits(text, 0);
    const auto month = TwoDigits(text, 3);
    const auto year = TwoDigits(text, 6);
    const auto hour = TwoDigits(text, 9);
    const auto minute = TwoDigits(text, 12);
    const auto second = TwoDigits(text, 15);
    if (!day || !month || !year || !hour || !minute || !second || *hour > 23 || *minute > 59 ||
        *second > 60)
        return std::nullopt;
    const std::chrono::year_month_day date{
        std::chrono::year{*year < 69 ? 2000 + *year : 1900 + *year},
        std::chrono::month{static_cast<unsigned>(*month)},
        std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    const std::int64_t days = std::chrono::sys_days(date).time_since_epoch().count();
    return days * 86400 + *hour * 3600 + *minute * 60 + *second;
}

std::optional<LogLine> ParseLogLine(std::string_view text) {
    if (text.size() < TIME_LENGTH)
        return std::nullopt;
    const auto seconds = ParseLogTime(text.substr(0, TIME_LENGTH));
    std::string_view rest = text.substr(TIME_LENGTH);
    if (!seconds || !Consume(rest, TPDR_FIELD))
        return std::nullopt;
    const auto tpdr = ConsumeInteger(rest);
    if (!tpdr || !Consume(rest, ",Rng:"))
        return std::nullopt;
    const auto range = ConsumeMilliseconds(rest);
    if (!range || !Consume(rest, ",Offset:"))
        return std::nullopt;
    const auto offset = ConsumeMilliseconds(rest);
    if (!offset || !Consume(rest, ",TelGrm:"))
        return std::nullopt;
    return LogLine{*seconds, *tpdr, *range, *offset, rest};
}

std::optional<LogLine> RecoverLogLine(std::string_view text) {
    for (std::size_t field = text.find(TPDR_FIELD, TIME_LENGTH); field != std::string_view::npos;
         field = text.find(TPDR_FIELD, field + 1)) {
        if (auto line = ParseLogLine(text.substr(field - TIME_LENGTH)))
            return line;
    }
    return std::nullopt;
}
