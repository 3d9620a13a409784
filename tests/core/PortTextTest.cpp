#include "PortText.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

using Rate = std::pair<std::string, int>;

TEST(ParseBaudRate, GivesTheRate) {
    const Rate cases[] = {
        // The texts the settings offer.
        Rate{"2,400", 2400}, Rate{"4,800", 4800}, Rate{"9,600", 9600}, Rate{"14,400", 14400},
        Rate{"19,200", 19200}, Rate{"28,800", 28800}, Rate{"38,400", 38400},
        // Hand-edited: any separator is overwritten; a blank one costs the first digit of the
        // rest; a sign counts as "%d" reads it.
        Rate{"38.400", 38400}, Rate{"4 800", 4000}, Rate{"  4,800 baud", 4800},
        Rate{"\t\n\v\f\r4,800", 4800}, Rate{"4,8", 4008}, Rate{"4,", 4000}, Rate{"4,x00", 4000},
        Rate{"+4,800", 4800}, Rate{"-4,800", -3200},
        // A lone number is the rate itself.
        Rate{"9600", 9600}, Rate{" 115200 ", 115200}, Rate{"2147483647", 2147483647},
        // No number: no rate, so no port opens.
        Rate{"", 0}, Rate{"baud", 0}, Rate{",800", 0}, Rate{"-", 0},
        // Long or huge texts stay bounded instead of overflowing.
        Rate{"4," + std::string(5000, '9'), 0}, Rate{"99999999999,800", 0}, Rate{"2147484,000", 0},
        Rate{"2147483,647", 2147483647}, Rate{"-2147484,352", INT_MIN},
        Rate{"4," + std::string(40, '0') + "800", 4800}};
    for (const auto& [text, nRate] : cases)
        EXPECT_EQ(ParseBaudRate(text), nRate) << '"' << text.substr(0, 20) << '"';
}

} // namespace
