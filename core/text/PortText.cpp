#include "PortText.h"

#include "AsciiText.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr std::int64_t INT32_LIMIT = std::numeric_limits<std::int32_t>::max();

// The digits at the front of text, consumed; nothing when there are none or when the value
// leaves the 32-bit range.
std::optional<std::int64_t> TakeDigits(std::string_view& text) {
    const LeadingDigits digits = ScanDigits(text);
    text.remove_prefix(digits.nCount);
    if (digits.nCount == 0 || digits.bOverflow || digits.nValue > INT32_LIMIT)
        return std::nullopt;
    return static_cast<std::int64_t>(digits.nValue);
}

void SkipBlanks(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
}

// As "%d": blanks, an optional sign, digits.
std::optional<std::int64_t> TakeSignedNumber(std::string_view& text) {
    SkipBlanks(text);
    const bool bNegative = text.starts_with('-');
    if (bNegative || text.starts_with('+'))
        text.remove_prefix(1);
    const auto magnitude = TakeDigits(text);
    return magnitude && bNegative ? -*magnitude : magnitude;
}

} // namespace

int ParseBaudRate(std::string_view text) {
    const auto leading = TakeSignedNumber(text);
    if (!leading)
        return 0;
    SkipBlanks(text);
    if (text.empty())
        return static_cast<int>(*leading);
    // The digits following the remainder's first character, which stands for a zero.
    text.remove_prefix(1);
    const auto lower = text.empty() || !IsDigit(text.front()) ? 0 : TakeDigits(text);
    const std::int64_t rate = lower ? *leading * 1000 + *lower : 0;
    return rate > INT32_LIMIT || rate < -INT32_LIMIT - 1 ? 0 : static_cast<int>(rate);
}

int ComPortNumber(std::string_view port) {
    if (port.size() < 4 || port[3] == '0' || !EqualNoCase(port.substr(0, 3), "COM"))
        return 0;
    port.remove_prefix(3);
    const auto number = TakeDigits(port);
    return number && port.empty() ? static_cast<int>(*number) : 0;
}

void MakeDeviceName(std::string& strPortName) {
    strPortName.insert(0, "\\\\.\\");
}
