#include "FieldText.h"

#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<unsigned> ParseUnsignedField(std::string_view text) {
    const std::string_view digits = Trim(text);
    unsigned value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDoubleField(std::string_view text) {
    const std::string_view number = Trim(text);
    std::size_t consumed = 0;
    const auto value = ParseLeadingDouble(number, &consumed);
    if (!value || consumed != number.size() || !std::isfinite(*value))
        return std::nullopt;
    return value;
}
