#pragma once
// What the library did with the bytes it moved; for diagnostics, tests and benchmarks.

#include <cstdint>

struct CommStats {
    std::uint64_t nTelegramsQueued = 0;
    // Unread telegrams recycled so that a newer one could be queued.
    std::uint64_t nTelegramsReplaced = 0;
    // Telegrams lost because no buffer was free.
    std::uint64_t nTelegramsLost = 0;
    // Lines longer than a buffer, discarded whole.
    std::uint64_t nLinesTooLong = 0;
    std::uint64_t nBuffersWritten = 0;
    // Write buffers recycled unsent: the port was not open or the far end did not read.
    std::uint64_t nBuffersDiscarded = 0;
};
