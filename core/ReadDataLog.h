#pragma once
// Reads a data log in large blocks and hands over its lines one at a time. Memory stays bounded
// whatever the file holds: of a line longer than MAX_LOG_LINE_LENGTH only the tail is kept,
// enough to find a whole line that a power cut ran into it.

#include "LogLine.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

// Far beyond any line the program writes: a telegram is at most 255 bytes.
inline constexpr std::size_t MAX_LOG_LINE_LENGTH = 4096;

struct DataLogCounts {
    std::uint64_t nBytes = 0;
    // Lines in the log's layout, handed over.
    std::size_t nLines = 0;
    // Lines that are not: cut short, run together, too long, or text of another kind.
    std::size_t nDamaged = 0;
};

// Calls onLine for each line in the log's layout, in file order, reading at most nByteLimit
// bytes. Bytes after the last line end are a line cut short. Nothing when the file cannot be
// read; errno then says why.
std::optional<DataLogCounts>
ReadDataLog(const std::string& path, const std::function<void(const LogLine&)>& onLine,
            std::uint64_t nByteLimit = std::numeric_limits<std::uint64_t>::max());
