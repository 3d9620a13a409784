// Number text stays locale-independent: files and the log read the same on every machine.
#include "NumberText.h"

#include "AsciiText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

TEST(NumberText, ParsesTheLeadingDecimalNumberOnly) {
    const std::string zeros(400, '0');
    const std::pair<std::string, std::optional<double>> cases[] = {
        {" \t\n-3.5e1x", -35.0},
        {"+.5", 0.5},
        {"7.", 7.0},
        {"1e", 1.0},
        {"inf", std::nullopt},
        {"0x1p3", 0.0},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1e-400", 0.0},
        {"1e999", HUGE_VAL},
        // Beyond a double's range without a telling exponent sign.
        {"0." + zeros + "1", 0.0},
        {"-0." + zeros + "1e+5", -0.0},
        {"1" + zeros + "e-5", HUGE_VAL},
        {"0.001e-99999999999999999999", 0.0},
        {"1" + std::string(4000, '0') + "e-3600", HUGE_VAL},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseLeadingDouble(text), expected) << text;

    std::size_t consumed = 0;
    ParseLeadingDouble(" 12.5<<--", &consumed);
    EXPECT_EQ(consumed, 5u);
}

TEST(AsciiText, DigitsKeepTheirValueModuloTwoToThe64AndCaseFoldsOnlyAsciiLetters) {
    const std::tuple<std::string_view, std::size_t, std::uint64_t, bool> cases[] = {
        {"", 0, 0, false},
        {"+1", 0, 0, false},
        {"4294967296%", 10, 4294967296u, false},
        {"18446744073709551615", 20, UINT64_MAX, false},
        {"18446744073709551617", 20, 1, true},
    };
    for (const auto& [text, count, value, overflow] : cases) {
        const LeadingDigits digits = ScanDigits(text);
        EXPECT_EQ(digits.nCount, count) << text;
        EXPECT_EQ(digits.nValue, value) << text;
        EXPECT_EQ(digits.bOverflow, overflow) << text;
    }
    EXPECT_TRUE(EqualNoCase("Settings", "sETTINGS"));
    EXPECT_FALSE(EqualNoCase("COM1", "COM"));
    EXPECT_FALSE(EqualNoCase("\xC4", "\xE4"));
}
