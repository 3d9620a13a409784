#include "LogLine.h"

#include "AsciiText.h"
#include "NumberText.h"

#include <array>
#include <charconv>
#include <chrono>
#include <limits>

namespace {

// Each field of the time is two digits, as long as its "%" code.
constexpr std::string_view TIME_FORMAT = "%d/%m/%y,%H:%M:%S";
constexpr std::size_t TIME_LENGTH = TIME_FORMAT.size();
// The date, then a comma, then the time of day.
constexpr std::size_t DATE_LENGTH = TIME_FORMAT.find(',');
// The time's fields in the order ParseLogTime gathers them, where each stands in a line, and
// where the separators between them stand.
constexpr std::string_view TIME_FIELDS = "dmyHMS";
constexpr auto FIELDS_AT = [] {
    std::array<std::size_t, TIME_FIELDS.size()> at{};
    for (std::size_t i = 0; i + 1 < TIME_FORMAT.size(); ++i)
        if (TIME_FORMAT[i] == '%')
            at[TIME_FIELDS.find(TIME_FORMAT[i + 1])] = i;
    return at;
}();
constexpr auto SEPARATORS_AT = [] {
    std::array<std::size_t, TIME_FORMAT.size() - 2 * TIME_FIELDS.size()> at{};
    for (std::size_t i = 0, n = 0; i < TIME_FORMAT.size(); ++i)
        if (TIME_FORMAT[i] != '%' && (i == 0 || TIME_FORMAT[i - 1] != '%'))
            at[n++] = i;
    return at;
}();
constexpr std::string_view TPDR_FIELD = ",Tpdr:";
constexpr std::string_view RANGE_FIELD = ",Rng:";
constexpr std::string_view OFFSET_FIELD = ",Offset:";
constexpr std::string_view TELEGRAM_FIELD = ",TelGrm:";
constexpr std::string_view MILLISECONDS = "ms";
constexpr int MS_DECIMALS = 3;

std::string FormatTime(const std::tm& time) {
    std::array<char, 64> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), TIME_FORMAT.data(), &time);
    return std::string(text.data(), length);
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
    if (!value || !Consume(rest, MILLISECONDS))
        return std::nullopt;
    return value;
}

} // namespace

std::string FormatLogLine(const std::tm& time, int nTpdrNo, double dRangeMs, double dOffsetMs,
                          std::string_view telegram) {
    std::string line = FormatTime(time);
    line.append(TPDR_FIELD).append(std::to_string(nTpdrNo));
    line.append(RANGE_FIELD).append(FormatFixed(dRangeMs, MS_DECIMALS)).append(MILLISECONDS);
    line.append(OFFSET_FIELD).append(FormatFixed(dOffsetMs, MS_DECIMALS)).append(MILLISECONDS);
    return line.append(TELEGRAM_FIELD).append(telegram);
}

std::string LogLineLayout() {
    std::string layout(TIME_FORMAT);
    for (std::size_t code = layout.find('%'); code != std::string::npos; code = layout.find('%'))
        layout[code] = layout[code + 1]; // "%d" reads "dd"
    layout.append(TPDR_FIELD).append("N").append(RANGE_FIELD).append("X").append(MILLISECONDS);
    layout.append(OFFSET_FIELD).append("Y").append(MILLISECONDS);
    return layout.append(TELEGRAM_FIELD).append("TEXT");
}

LogTimeText FormatLogTime(std::int64_t nSeconds) {
    const std::chrono::sys_seconds at{std::chrono::seconds(nSeconds)};
    const auto day = std::chrono::floor<std::chrono::days>(at);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss clock(at - day);
    std::tm time{};
    time.tm_year = static_cast<int>(date.year()) - 1900;
    time.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    time.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    time.tm_hour = static_cast<int>(clock.hours().count());
    time.tm_min = static_cast<int>(clock.minutes().count());
    time.tm_sec = static_cast<int>(clock.seconds().count());
    const std::string text = FormatTime(time);
    return {text.substr(0, DATE_LENGTH), text.substr(DATE_LENGTH + 1)};
}

std::optional<std::int64_t> ParseLogTime(std::string_view text) {
    if (text.size() != TIME_LENGTH)
        return std::nullopt;
    for (const std::size_t at : SEPARATORS_AT)
        if (text[at] != TIME_FORMAT[at])
            return std::nullopt;
    std::array<int, TIME_FIELDS.size()> fields{};
    for (std::size_t field = 0; field < fields.size(); ++field) {
        const char high = text[FIELDS_AT[field]];
        const char low = text[FIELDS_AT[field] + 1];
        if (!IsDigit(high) || !IsDigit(low))
            return std::nullopt;
        fields[field] = (high - '0') * 10 + (low - '0');
    }
    const auto [day, month, year, hour, minute, second] = fields;
    if (hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year < 69 ? 2000 + year : 1900 + year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return std::nullopt;
    const std::int64_t days = std::chrono::sys_days(date).time_since_epoch().count();
    return days * 86400 + hour * 3600 + minute * 60 + second;
}

std::optional<LogLine> ParseLogLine(std::string_view text) {
    if (text.size() < TIME_LENGTH)
        return std::nullopt;
    const auto seconds = ParseLogTime(text.substr(0, TIME_LENGTH));
    std::string_view rest = text.substr(TIME_LENGTH);
    if (!seconds || !Consume(rest, TPDR_FIELD))
        return std::nullopt;
    const auto tpdr = ConsumeInteger(rest);
    if (!tpdr || !Consume(rest, RANGE_FIELD))
        return std::nullopt;
    const auto range = ConsumeMilliseconds(rest);
    if (!range || !Consume(rest, OFFSET_FIELD))
        return std::nullopt;
    const auto offset = ConsumeMilliseconds(rest);
    if (!offset || !Consume(rest, TELEGRAM_FIELD))
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
