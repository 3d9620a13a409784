// The settings dialog's pure logic: cutting to two decimals, field parsing, list search.
#include "ComboSearch.h"
#include "FieldText.h"
#include "UnitConversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(TruncateToHundredths, CutsTowardZeroAsTheValueReads) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {0.29, 0.29},   {1.005, 1.0}, {4921.259842519685, 4921.25}, {-1.239, -1.23}, {-0.001, 0.0},
        {0.00001, 0.0}, {1e20, 1e20}, {99999999.999, 99999999.99},
    };
    for (const auto& c : cases) {
        const double cut = TruncateToHundredths(c.value);
        EXPECT_EQ(cut, c.expected) << c.value;
        EXPECT_FALSE(std::signbit(cut) && cut == 0.0) << c.value << " gave -0";
    }
    EXPECT_TRUE(std::isinf(TruncateToHundredths(std::numeric_limits<double>::infinity())));
}

TEST(FieldText, WholeTextMustBeTheNumber) {
    const struct {
        const char* text;
        std::optional<unsigned> asUnsigned;
        std::optional<double> asDouble;
    } cases[] = {
        {"12", 12u, 12.0},
        {" \t12 ", 12u, 12.0},
        {"1499.99", std::nullopt, 1499.99},
        {"-5", std::nullopt, -5.0},
        {"1e2", std::nullopt, 100.0},
        {"4294967295", 4294967295u, 4294967295.0},
        {"4294967296", std::nullopt, 4294967296.0},
        {"12a", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"1e999", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseUnsignedField(c.text), c.asUnsigned) << '"' << c.text << '"';
        EXPECT_EQ(ParseDoubleField(c.text), c.asDouble) << '"' << c.text << '"';
    }
}

TEST(ComboSearch, SortsAndSearchesAsAWindowsList) {
    std::vector<std::string> items;
    for (const char* text : {"COM3", "com10", "COM1", "COM2", "COM1"})
        items.insert(items.begin() + static_cast<long>(SortedInsertPosition(items, text)), text);
    EXPECT_EQ(items, (std::vector<std::string>{"COM1", "COM1", "com10", "COM2", "COM3"}));

    const struct {
        const char* text;
        int start;
        int exact, prefix;
    } cases[] = {
        {"COM1", -1, 0, 0},                     // from the top
        {"COM1", 0, 1, 1},                      // from the second item
        {"com1", 1, 0, 2},                      // wraps round; "com10" begins with "com1"
        {"COM10", 0, 2, 2},  {"COM3", 4, 4, 4}, // ends at the start item
        {"COM4", 0, -1, -1}, {"", 0, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindStringExact(items, c.text, c.start), c.exact)
            << c.text << " from " << c.start;
        EXPECT_EQ(FindStringPrefix(items, c.text, c.start), c.prefix)
            << c.text << " from " << c.start;
    }
}
