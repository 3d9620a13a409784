#pragma once
// Characters and decimal digits as the C library reads them in the "C" locale, whatever the
// user's locale: stored files, options and the wire must read the same on every machine.
// Standard C++ in this header alone, so that every library of the program may use it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

// As isspace in the "C" locale.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 'A' to 'Z' as 'a' to 'z'; every other byte as it is.
constexpr char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

// The decimal digits at the start of a text: no blank, no sign.
struct LeadingDigits {
    // 0 when the text does not start with a digit.
    std::size_t nCount = 0;
    // Their value modulo 2^64, so that a reader that wraps as the C runtime does (to 32 bits)
    // still has it right.
    std::uint64_t nValue = 0;
    // The value is 2^64 or more.
    bool bOverflow = false;
};

constexpr LeadingDigits ScanDigits(std::string_view text) {
    constexpr std::uint64_t MAX = std::numeric_limits<std::uint64_t>::max();
    LeadingDigits digits;
    for (; digits.nCount < text.size() && IsDigit(text[digits.nCount]); ++digits.nCount) {
        const auto digit = static_cast<std::uint64_t>(text[digits.nCount] - '0');
        digits.bOverflow = digits.bOverflow || digits.nValue > (MAX - digit) / 10;
        digits.nValue = digits.nValue * 10 + digit;
    }
    return digits;
}
