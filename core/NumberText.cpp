#include "core/NumberText.h"

#include <array>
#include <charconv>
#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Pad(std::string text, int minWidth) {
    if (static_cast<int>(text.size()) < minWidth)
        text.insert(0, static_cast<std::size_t>(minWidth) - text.size(), ' ');
    return text;
}

// A value too large or too small for a double: infinity or zero, as strtod gives.
double OutOfRange(std::string_view digits) {
    const auto e = digits.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
    return tiny ? 0.0 : std::numeric_limits<double>::infinity();
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

double AtoF(std::string_view text) { return ParseLeadingDouble(text).value_or(0.0); }
