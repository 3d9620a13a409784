#pragma once
// How a Windows list box orders and searches its items: case-insensitive comparison; a
// search starts after the item `start` and wraps round to it (-1 searches from the top).
// A search that finds nothing gives -1.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where a sorted list puts a new item: after every item that does not sort after it.
std::size_t SortedInsertPosition(const std::vector<std::string>& items, std::string_view text);

// The item equal to text, ignoring case.
int FindStringExact(const std::vector<std::string>& items, std::string_view text, int start);

// The item that begins with text, ignoring case. An empty text matches nothing.
int FindStringPrefix(const std::vector<std::string>& items, std::string_view text, int start);
