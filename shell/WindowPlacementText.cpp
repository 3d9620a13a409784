#include "WindowPlacementText.h"

#include "AsciiText.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// One "%d" conversion: blanks, an optional sign, decimal digits. Out-of-range numbers wrap to
// 32 bits as the C runtime does, rather than failing.
bool ScanInt(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    std::string_view rest = text.substr(pos);
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) {
        rest.remove_prefix(1);
    }
    const LeadingDigits digits = ScanDigits(rest);
    if (digits.nCount == 0) {
        return false;
    }
    pos = text.size() - rest.size() + digits.nCount;
    const auto magnitude = static_cast<std::uint32_t>(digits.nValue);
    value = static_cast<int>(negative ? 0U - magnitude : magnitude);
    return true;
}

} // namespace

WindowPlacement ParseWindowPlacement(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::array<int, 6> numbers{};
    std::size_t pos = 0;
    for (int& number : numbers) {
        if (!ScanInt(text, pos, number)) {
            break;
        }
    }
    return {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4] != 0, numbers[5] != 0};
}

std::string FormatWindowPlacement(const WindowPlacement& placement) {
    std::string text;
    for (int number : {placement.left, placement.top, placement.right, placement.bottom,
                       placement.minimised ? 1 : 0, placement.maximised ? 1 : 0}) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(number);
    }
    return text;
}
