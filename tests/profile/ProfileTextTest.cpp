// The INI text rules on strings: look-ups, in-place rewrites and the integer reading.
#include "CProfileText.h"

#include <climits>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// The text, the section, the key, and the value found.
const std::tuple<const char*, const char*, const char*, std::optional<std::string>> kLookups[] = {
    {"[Settings]\r\nZone_A=MiXed Case\r\n", "settings", "zone_a", "MiXed Case"},
    {" \t[ Settings ] \r\n \t TpdrNo \t= \t 12 \t\r\n", "Settings", "TpdrNo", "12"},
    {"[Settings] trailing words\r\nk=1\r\n", "Settings", "k", "1"},
    {"[Settings\r\nk=1\r\n", "Settings", "k", "1"},
    {"[s]\nk=a=b\n", "s", "k", "a=b"},
    {"[s]\nk=\"x y\"\n", "s", "k", "x y"},
    {"[s]\nk= 'x' \n", "s", "k", "x"},
    {"[s]\nk=\"x'\n", "s", "k", "\"x'"},
    {"[s]\nk=\"\n", "s", "k", "\""},
    {"[s]\nk=\"\"\n", "s", "k", ""},
    {"[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
    {"[s]\nk=a\"b\"\n", "s", "k", "a\"b\""},
    {"[s]\n\"k\"=1\n", "s", "\"k\"", "1"},
    {"[s]\n;k=1\n  ;k=2\nk=3\n", "s", "k", "3"},
    {"[s]\n;k=1\n", "s", ";k", std::nullopt},
    {"[s]\n#k=1\n", "s", "#k", "1"},
    {"[s]\nk=a;b ; c\n", "s", "k", "a;b ; c"},
    {"k=1\n[s]\n", "s", "k", std::nullopt},
    {"[s]\rk=1\rj=2", "s", "j", "2"},
    {"[s]\r\n\r\nk=1", "s", "k", "1"},
    {"[s]\nk=1\nk=2\n", "s", "k", "1"},
    {"[s]\na=1\n[t]\n[s]\nb=2\n", "s", "b", std::nullopt},
    {"[s]\n[t]\nk=1\n", "s", "k", std::nullopt},
    {"[s]\nk\n", "s", "k", std::nullopt},
    {"", "s", "k", std::nullopt},
};

// The text before, the section, the key, the value written, and the text after.
const std::tuple<const char*, const char*, const char*, const char*, const char*> kWrites[] = {
    {"", "Settings", "Units", "0", "[Settings]\r\nUnits=0\r\n"},
    {"; top\r\n[SETTINGS]\r\n  units = 5 ; x\r\nOther=1\r\n", "Settings", "Units", "0",
     "; top\r\n[SETTINGS]\r\nunits=0\r\nOther=1\r\n"},
    {"[s]\r\na=1\r\n; note\r\n\r\n[t]\r\nb=2\r\n", "s", "c", "3",
     "[s]\r\na=1\r\nc=3\r\n; note\r\n\r\n[t]\r\nb=2\r\n"},
    {"[s]\r\n\r\n[t]\r\n", "s", "a", "1", "[s]\r\na=1\r\n\r\n[t]\r\n"},
    {"[s]\r\na=1\r\n", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
    {"[s]\r\na=1", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n"},
    {"[s]\na=1\nb=2\n", "s", "a", "9", "[s]\na=9\r\nb=2\n"},
    {"junk\r\nk=v\r\n[s]\r\n", "s", "k", "1", "junk\r\nk=v\r\n[s]\r\nk=1\r\n"},
    {"[s]\r\na=1\r\n", "s", "a", " \"x\" ;y", "[s]\r\na= \"x\" ;y\r\n"},
};

} // namespace

TEST(ProfileText, LooksUpAsWindowsDoes) {
    for (const auto& [text, section, key, expected] : kLookups) {
        EXPECT_EQ(CProfileText(text).GetValue(section, key), expected)
            << "text: " << testing::PrintToString(std::string(text)) << " [" << section << "] "
            << key;
    }
}

TEST(ProfileText, RewritesOneLineAndKeepsEveryOtherByte) {
    for (const auto& [before, section, key, value, after] : kWrites) {
        CProfileText text(before);
        ASSERT_TRUE(text.SetValue(section, key, value));
        EXPECT_EQ(text.Text(), after) << "before: " << testing::PrintToString(before);
    }
}

TEST(ProfileText, RefusesWhatWouldReadBackDifferently) {
    const std::string before = "[s]\r\na=1\r\n";
    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"s", "a", "x\r\n[t]"}, {"s", "a", "x\ry"}, {"s", "a=b", "1"},
        {"s", "a\nb", "1"},     {"s]x", "a", "1"},  {"s\n", "a", "1"},
    };
    for (const auto& [section, key, value] : refused) {
        CProfileText text(before);
        EXPECT_FALSE(text.SetValue(section, key, value)) << section << " " << key;
        EXPECT_EQ(text.Text(), before);
    }
}

TEST(ProfileText, ReadsIntegersAsWindowsDoes) {
    const std::pair<const char*, int> cases[] = {
        {"102abc", 102}, {"abc", 0}, {"+1", 1},         {"-1", -1},        {"-5", -5},
        {"0x10", 0},     {"-", 0},   {"4294967296", 0}, {"4294967297", 1}, {"2147483648", INT_MIN},
        {"007", 7},      {"1 2", 1},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(CProfileText::ToInt(value, 77), expected) << value;
    EXPECT_EQ(CProfileText::ToInt("", 77), 77);
}
