#include "CTelegramCutter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct CutCase {
    const char* pszCase;
    std::vector<std::string> chunks;
    std::vector<std::string> telegrams;
};

std::vector<std::string> CutAll(CTelegramCutter& cutter, const std::vector<std::string>& chunks) {
    std::vector<std::string> telegrams;
    for (std::string_view bytes : chunks) {
        while (!bytes.empty()) {
            std::string_view telegram;
            bytes.remove_prefix(cutter.Cut(bytes, telegram));
            if (!telegram.empty())
                telegrams.emplace_back(telegram);
        }
    }
    return telegrams;
}

void PrintTo(const CutCase& param, std::ostream* pOut) {
    *pOut << param.pszCase;
}

class TelegramCutterTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(TelegramCutterTest, CutsAtTheTerminator) {
    CTelegramCutter cutter;
    EXPECT_EQ(CutAll(cutter, GetParam().chunks), GetParam().telegrams);
}

const std::string LONGEST(BUFFER_TEXT_MAX, 'x');
const std::string TOO_LONG(BUFFER_TEXT_MAX + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, TelegramCutterTest,
    ::testing::Values(
        CutCase{"CrLfStripped", {"$123.4 ^^^^\r\n"}, {"$123.4 ^^^^"}},
        CutCase{"LfOnly", {"$57 -->>\n"}, {"$57 -->>"}},
        CutCase{"OnlyOneCrStripped", {"$1\r\r\n"}, {"$1\r"}},
        CutCase{"InnerCrKept", {"$1\r2\n"}, {"$1\r2"}},
        CutCase{"SplitAcrossChunks", {"$12", "3.4 ^^", "^^\r", "\n$5"}, {"$123.4 ^^^^"}},
        CutCase{"SeveralInOneChunk", {"$1\r\n$2\r\n$3\r\n"}, {"$1", "$2", "$3"}},
        CutCase{"EmptyLinesSkipped", {"\r\n\n$1\n\r\n"}, {"$1"}},
        CutCase{"NulEndsTheText", {std::string("$12\0junk\r\n$3\n", 14)}, {"$12", "$3"}},
        CutCase{"LeadingNulLeavesNothing", {std::string("\0$1\n", 4)}, {}},
        CutCase{"LongestLineFits", {LONGEST + "\r\n"}, {LONGEST}},
        CutCase{"TooLongDiscardedWhole", {TOO_LONG, "tail\n$2\n"}, {"$2"}},
        CutCase{"TooLongWithCrDiscarded", {TOO_LONG + "\r\n"}, {}},
        CutCase{"NoTerminatorNoTelegram", {"$1.0 ^^^^"}, {}}),
    [](const auto& info) { return std::string(info.param.pszCase); });

TEST(TelegramCutter, TerminatorIsAProperty) {
    CTelegramCutter cutter;
    cutter.SetTerminator('#');
    EXPECT_EQ(CutAll(cutter, {"$1\n2#$3#"}), (std::vector<std::string>{"$1\n2", "$3"}));
}

} // namespace
