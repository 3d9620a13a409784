#include "WindowPlacementText.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// One "%d" conversion: blanks, an optional sign, decimal digits. Out-of-range numbers wrap to
// 32 bits as the C runtime does, rather than failing.
bool ScanInt(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    std::size_t p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    const std::size_t digitsStart = p;
    std::uint32_t magnitude = 0;
    while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])) != 0) {
        magnitude = magnitude * 10U + static_cast<std::uint32_t>(text[p] - '0');
        ++p;
    }
    if (p == digitsStart) {
        return false;
    }
    pos = p;
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
