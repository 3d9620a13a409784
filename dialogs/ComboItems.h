#pragma once
// A QComboBox's items as the list searches of ComboSearch.h see them.

#include "AnsiText.h"
#include "ComboSearch.h"

#include <QComboBox>
#include <string>
#include <vector>

inline std::vector<std::string> ItemTexts(const QComboBox& combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo.count(); ++i)
        items.push_back(ToAnsi(combo.itemText(i)));
    return items;
}

// QComboBox does not sort: a sorted list puts each new item in its place.
inline void AddSorted(QComboBox& combo, std::string_view text) {
    combo.insertItem(static_cast<int>(SortedInsertPosition(ItemTexts(combo), text)),
                     ToQString(text));
}
