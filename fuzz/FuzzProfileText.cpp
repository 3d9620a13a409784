// libFuzzer entry: arbitrary INI text, then one key written as the program writes its settings.
// The written value must read back, every other key must read as before, and no line may be
// lost: the rewrite replaces at most the one line that held the key.
#include "CProfileText.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Name {
    std::string_view section;
    std::string_view key;
};

// The names the program uses, spelt as a hand-edited file might, and two it must refuse.
constexpr std::array<Name, 8> kNames{{
    {"Settings", "Units"},
    {"SETTINGS", "baudrate"},
    {"MainFrameState", "Settings"},
    {"Ports", "COM3"},
    {"MainFrameState", "Other"},
    {"New", "Key"},
    {"Bad]", "Units"},
    {"Settings", "Bad=Key"},
}};

struct Value {
    std::string_view written;
    std::string_view readBack;
    bool accepted;
};

constexpr std::array<Value, 6> kValues{{
    {"7", "7", true},
    {"4,800", "4,800", true},
    {" 1500.00 ", "1500.00", true},
    {"\"quoted\"", "quoted", true},
    {"", "", true},
    {"two\r\nlines", "", false},
}};

bool Accepted(const Name& name, const Value& value) {
    return value.accepted && name.section.find(']') == std::string_view::npos &&
           name.key.find('=') == std::string_view::npos;
}

bool SameName(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i]))
            return false;
    return true;
}

bool SameKey(const Name& a, const Name& b) {
    return SameName(a.section, b.section) && SameName(a.key, b.key);
}

// Line ends in text; a CR LF pair counts once.
std::size_t LineEnds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++count;
    }
    return count;
}

// The bytes of before that after no longer holds, between the longest common prefix and suffix.
std::string_view Removed(std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return before.substr(prefix, before.size() - prefix - suffix);
}

void CheckOthersUnchanged(const CProfileText& before, const CProfileText& after,
                          const Name& written) {
    for (const Name& other : kNames) {
        if (!SameKey(other, written) &&
            before.GetValue(other.section, other.key) != after.GetValue(other.section, other.key))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Name& name = kNames[input.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1)];
    const Value& value = kValues[input.ConsumeIntegralInRange<std::size_t>(0, kValues.size() - 1)];
    const CProfileText before(input.ConsumeRemainingBytesAsString());

    CProfileText after = before;
    for (const Name& any : kNames)
        CProfileText::ToInt(after.GetValue(any.section, any.key).value_or(""), 0);
    const bool bWritten = after.SetValue(name.section, name.key, value.written);
    if (bWritten != Accepted(name, value))
        std::abort();
    if (!bWritten) {
        if (after.Text() != before.Text())
            std::abort();
        return 0;
    }
    if (after.GetValue(name.section, name.key) != std::optional<std::string>(value.readBack))
        std::abort();
    if (LineEnds(Removed(before.Text(), after.Text())) > 1)
        std::abort();
    CheckOthersUnchanged(before, after, name);
    return 0;
}
