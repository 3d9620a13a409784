#include "CTelegramCutter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct CutCase {
    const char* pszCase;
    std::vector<std::string> chunks;
    std::vector<std::string> telegrams;
    std::uint64_t nTooLong;
};

void PrintTo(const CutCase& param, std::ostream* pOut) {
    *pOut << param.pszCase;
}

class TelegramCutterTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(TelegramCutterTest, CutsAtTheTerminator) {
    CTelegramCutter cutter;
    std::vector<std::string> telegrams;
    for (const auto& chunk : GetParam().chunks)
        cutter.Feed(chunk, [&](std::string_view text) { telegrams.emplace_back(text); });
    EXPECT_EQ(telegrams, GetParam().telegrams);
    EXPECT_EQ(cutter.LinesTooLong(), GetParam().nTooLong);
}

const std::string LONGEST(BUFFER_TEXT_MAX, 'x');
const std::string TOO_LONG(BUFFER_TEXT_MAX + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, TelegramCutterTest,
    ::testing::Values(
        CutCase{"CrLfStripped", {"$123.4 ^^^^\r\n"}, {"$123.4 ^^^^"}, 0},
        CutCase{"LfOnly", {"$57 -->>\n"}, {"$57 -->>"}, 0},
        CutCase{"OnlyOneCrStripped", {"$1\r\r\n"}, {"$1\r"}, 0},
        CutCase{"InnerCrKept", {"$1\r2\n"}, {"$1\r2"}, 0},
        CutCase{"SplitAcrossChunks", {"$12", "3.4 ^^", "^^\r", "\n$5"}, {"$123.4 ^^^^"}, 0},
        CutCase{"SeveralInOneChunk", {"$1\r\n$2\r\n$3\r\n"}, {"$1", "$2", "$3"}, 0},
        CutCase{"EmptyLinesSkipped", {"\r\n\n$1\n\r\n"}, {"$1"}, 0},
        CutCase{"NulEndsTheText", {std::string("$12\0junk\r\n$3\n", 14)}, {"$12", "$3"}, 0},
        CutCase{"LeadingNulLeavesNothing", {std::string("\0$1\n", 4)}, {}, 0},
        CutCase{"LongestLineFits", {LONGEST + "\r\n"}, {LONGEST}, 0},
        CutCase{"TooLongDiscardedWhole", {TOO_LONG, "tail\n$2\n"}, {"$2"}, 1},
        CutCase{"TooLongWithCrCounted", {TOO_LONG + "\r\n"}, {}, 1},
        CutCase{"NoTerminatorNoTelegram", {"$1.0 ^^^^"}, {}, 0}),
    [](const auto& info) { return std::string(info.param.pszCase); });

TEST(TelegramCutter, TerminatorIsAProperty) {
    CTelegramCutter cutter;
    cutter.SetTerminator('#');
    std::vector<std::string> telegrams;
    cutter.Feed("$1\n2#$3#", [&](std::string_view text) { telegrams.emplace_back(text); });
    EXPECT_EQ(telegrams, (std::vector<std::string>{"$1\n2", "$3"}));
}

} // namespace
