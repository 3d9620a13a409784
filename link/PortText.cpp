#include "PortText.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
}

// The digits at the front of text, consumed; nothing when there are none or when the value
// leaves the 32-bit range.
std::optional<std::int64_t> TakeDigits(std::string_view& text) {
    constexpr std::int64_t LIMIT = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    std::size_t count = 0;
    bool bOverflow = false;
    for (; count < text.size() && IsDigit(text[count]); ++count) {
        value = value * 10 + (text[count] - '0');
        bOverflow = bOverflow || value > LIMIT;
        if (bOverflow)
            value = 0;
    }
    text.remove_prefix(count);
    if (count == 0 || bOverflow)
        return std::nullopt;
    return value;
}

// As "%d": blanks, an optional sign, digits.
std::optional<std::int64_t> TakeSignedNumber(std::string_view& text) {
    SkipBlanks(text);
    const bool bNegative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto magnitude = TakeDigits(text);
    if (!magnitude)
        return std::nullopt;
    return bNegative ? -*magnitude : *magnitude;
}

// The digits following the remainder's first character, which stands for a zero.
std::optional<std::int64_t> LowerPart(std::string_view remainder) {
    remainder.remove_prefix(1);
    if (remainder.empty() || !IsDigit(remainder.front()))
        return 0;
    return TakeDigits(remainder);
}

} // namespace

int ParseBaudRate(std::string_view text) {
    const auto leading = TakeSignedNumber(text);
    if (!leading)
        return 0;
    SkipBlanks(text);
    if (text.empty())
        return static_cast<int>(*leading);
    const auto lower = LowerPart(text);
    if (!lower)
        return 0;
    const std::int64_t rate = *leading * 1000 + *lower;
    if (rate > std::numeric_limits<std::int32_t>::max() ||
        rate < std::numeric_limits<std::int32_t>::min())
        return 0;
    return static_cast<int>(rate);
}

int ComPortNumber(std::string_view port) {
    const auto isLetter = [&](std::size_t i, char upper) {
        return port[i] == upper || port[i] == upper - 'A' + 'a';
    };
    if (port.size() < 4 || port[3] == '0' || !isLetter(0, 'C') || !isLetter(1, 'O') ||
        !isLetter(2, 'M'))
        return 0;
    port.remove_prefix(3);
    const auto number = TakeDigits(port);
    return number && port.empty() ? static_cast<int>(*number) : 0;
}

void MakeDeviceName(std::string& strPortName) {
    strPortName.insert(0, "\\\\.\\");
}
