#include "ComboSearch.h"

#include "AsciiText.h"

#include <algorithm>

namespace {

bool LessNoCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldCase(x)) < static_cast<unsigned char>(FoldCase(y));
    });
}

template <typename Match>
int FindFrom(const std::vector<std::string>& items, int start, Match match) {
    const int count = static_cast<int>(items.size());
    if (start < -1 || start >= count)
        start = -1;
    for (int k = 0; k < count; ++k) {
        const int i = (start + 1 + k) % count;
        if (match(items[static_cast<std::size_t>(i)]))
            return i;
    }
    return -1;
}

} // namespace

std::size_t SortedInsertPosition(const std::vector<std::string>& items, std::string_view text) {
    const auto after = std::upper_bound(
        items.begin(), items.end(), text,
        [](std::string_view t, const std::string& item) { return LessNoCase(t, item); });
    return static_cast<std::size_t>(after - items.begin());
}

int FindStringExact(const std::vector<std::string>& items, std::string_view text, int start) {
    return FindFrom(items, start,
                    [text](const std::string& item) { return EqualNoCase(item, text); });
}

int FindStringPrefix(const std::vector<std::string>& items, std::string_view text, int start) {
    if (text.empty())
        return -1;
    return FindFrom(items, start, [text](const std::string& item) {
        return item.size() >= text.size() &&
               EqualNoCase(std::string_view(item).substr(0, text.size()), text);
    });
}
