#include "PortText.h"

#include <gtest/gtest.h>

namespace {

struct BaudCase {
    std::string text;
    int nRate;
};

void PrintTo(const BaudCase& param, std::ostream* pOut) {
    *pOut << '"' << param.text.substr(0, 20) << '"';
}

class ParseBaudRateTest : public ::testing::TestWithParam<BaudCase> {};

TEST_P(ParseBaudRateTest, GivesTheRate) {
    EXPECT_EQ(ParseBaudRate(GetParam().text), GetParam().nRate) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(OfferedTexts, ParseBaudRateTest,
                         ::testing::Values(BaudCase{"2,400", 2400}, BaudCase{"4,800", 4800},
                                           BaudCase{"9,600", 9600}, BaudCase{"14,400", 14400},
                                           BaudCase{"19,200", 19200}, BaudCase{"28,800", 28800},
                                           BaudCase{"38,400", 38400}));

INSTANTIATE_TEST_SUITE_P(
    HandEditedTexts, ParseBaudRateTest,
    ::testing::Values(
        // Any separator is overwritten; a blank one costs the first digit of the rest.
        BaudCase{"38.400", 38400}, BaudCase{"4 800", 4000}, BaudCase{"  4,800 baud", 4800},
        BaudCase{"4,8", 4008}, BaudCase{"4,", 4000}, BaudCase{"4,x00", 4000},
        // A lone number is the rate itself.
        BaudCase{"9600", 9600}, BaudCase{" 115200 ", 115200},
        // No number: no rate, so no port opens.
        BaudCase{"", 0}, BaudCase{"baud", 0}, BaudCase{",800", 0}, BaudCase{"-", 0},
        // Long or huge texts stay bounded instead of overflowing.
        BaudCase{"4," + std::string(5000, '9'), 0}, BaudCase{"99999999999,800", 0},
        BaudCase{"2147484,000", 0}, BaudCase{"2147483,647", 2147483647},
        BaudCase{"4," + std::string(40, '0') + "800", 4800}));

TEST(MakeDeviceName, PutsTheDevicePrefixInFront) {
    std::string name = "COM1";
    MakeDeviceName(name);
    EXPECT_EQ(name, "\\\\.\\COM1");
    MakeDeviceName(name);
    EXPECT_EQ(name, "\\\\.\\\\\\.\\COM1");
}

} // namespace
