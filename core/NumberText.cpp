#include "NumberText.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

std::string Pad(std::string text, int minWidth) {
    if (static_cast<int>(text.size()) < minWidth)
        text.insert(0, static_cast<std::size_t>(minWidth) - text.size(), ' ');
    return text;
}

// The exponent part of a number, saturated far beyond any double's range.
std::int64_t ExponentPart(std::string_view text) {
    constexpr std::uint64_t LIMIT = 1'000'000'000'000;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const LeadingDigits digits = ScanDigits(text);
    const auto value =
        static_cast<std::int64_t>(digits.bOverflow ? LIMIT : std::min(digits.nValue, LIMIT));
    return negative ? -value : value;
}

// The power of ten of the first significant digit: 2 for "123.4", -3 for "0.00123e0".
std::int64_t LeadingPowerOfTen(std::string_view digits) {
    const auto e = std::min(digits.find_first_of("eE"), digits.size());
    const std::string_view mantissa = digits.substr(0, e);
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<std::int64_t>(mantissa.find_first_of("123456789"));
    const std::int64_t power = first < point ? point - first - 1 : point - first;
    return power + (e < digits.size() ? ExponentPart(digits.substr(e + 1)) : 0);
}

// A value too large or too small for a double: infinity or zero, as strtod gives. Only a number
// with a significant digit leaves the range, so the digit's power of ten tells which.
double OutOfRange(std::string_view digits) {
    return LeadingPowerOfTen(digits) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
}

} // namespace

std::string FormatFixed(double value, int decimals, int minWidth) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return Pad(std::string(buffer.data(), result.ptr), minWidth);
}

std::string FormatGeneral(double value, int significant) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significant);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> ParseLeadingDouble(std::string_view text, std::size_t* consumed) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool startsNumber =
        i < text.size() &&
        (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
    if (!startsNumber)
        return std::nullopt;

    double value = 0.0;
    const char* first = text.data() + i;
    const auto result = std::from_chars(first, text.data() + text.size(), value);
    if (result.ec == std::errc::invalid_argument)
        return std::nullopt;
    const std::string_view digits(first, static_cast<std::size_t>(result.ptr - first));
    if (result.ec == std::errc::result_out_of_range)
        value = OutOfRange(digits);
    if (consumed)
        *consumed = i + digits.size();
    return negative ? -value : value;
}

double AtoF(std::string_view text) {
    return ParseLeadingDouble(text).value_or(0.0);
}
