// libFuzzer entry: arbitrary text as a number of the INI file or a telegram. The leading number
// must read as the C library's strtod reads a decimal number in the classic locale, which is
// what the stored files and the wire were written for.
#include "NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Infinity, NaN and hexadecimal forms are no numbers here, though strtod reads them.
bool StartsNonDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::string rest(text.substr(i, 3));
    for (char& c : rest)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return rest.starts_with("inf") || rest.starts_with("nan") || rest.starts_with("0x");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t consumed = 0;
    const std::optional<double> value = ParseLeadingDouble(text, &consumed);
    if (StartsNonDecimal(text))
        return 0;

    // strtod stops at a NUL as the reader does: a NUL is no part of a number.
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const std::size_t expectedConsumed = value ? static_cast<std::size_t>(end - text.c_str()) : 0;
    if (value.has_value() != (end != text.c_str()) || value.value_or(0.0) != expected ||
        std::signbit(value.value_or(0.0)) != std::signbit(expected) || consumed != expectedConsumed)
        std::abort();
    return 0;
}
