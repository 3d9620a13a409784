#include "CTelegramCutter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The telegrams cut, and for each line too long to keep "dropped N".
Texts CutAll(const Texts& chunks, char terminator = '\n') {
    CTelegramCutter cutter;
    cutter.SetTerminator(terminator);
    Texts telegrams;
    for (std::string_view bytes : chunks) {
        while (!bytes.empty()) {
            std::string_view telegram;
            bytes.remove_prefix(cutter.Cut(bytes, telegram));
            if (!telegram.empty())
                telegrams.emplace_back(telegram);
            if (cutter.DroppedLength() != 0)
                telegrams.push_back("dropped " + std::to_string(cutter.DroppedLength()));
        }
    }
    return telegrams;
}

TEST(TelegramCutter, CutsAtTheTerminator) {
    const std::string longest(BUFFER_TEXT_MAX, 'x');
    const std::string tooLong(BUFFER_TEXT_MAX + 1, 'x');
    const struct {
        const char* pszCase;
        Texts chunks;
        Texts telegrams;
    } cases[] = {
        {"one CR stripped, LF alone, inner CR kept",
         {"$1\r\r\n$57 -->>\n$1\r2\r\n"},
         {"$1\r", "$57 -->>", "$1\r2"}},
        {"split across chunks", {"$12", "3.4 ^^", "^^\r", "\n$5"}, {"$123.4 ^^^^"}},
        {"empty lines skipped", {"\r\n\n$1\n\r\n"}, {"$1"}},
        {"NUL ends the text", {std::string("$12\0junk\r\n\0$3\n", 14)}, {"$12"}},
        {"NUL in an earlier chunk", {std::string("$12\0ju", 6), "nk\n$3\n"}, {"$12", "$3"}},
        {"longest line fits", {longest + "\r\n"}, {longest}},
        {"too long discarded whole", {tooLong, "tail\n$2\n"}, {"dropped 260", "$2"}},
        {"too long with CR discarded", {tooLong + "\r\n"}, {"dropped 257"}},
        {"too long past an inner CR", {longest + "\rx\n"}, {"dropped 257"}},
        {"no terminator, no telegram", {"$1.0 ^^^^"}, {}},
    };
    for (const auto& [pszCase, chunks, telegrams] : cases)
        EXPECT_EQ(CutAll(chunks), telegrams) << pszCase;
    EXPECT_EQ(CutAll({"$1\n2#$3#"}, '#'), (Texts{"$1\n2", "$3"})) << "another terminator";
}

} // namespace
