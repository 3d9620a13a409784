#pragma once

#include <cstdint>

// Milliseconds of a monotonic clock; wraps after 2^32 like the system tick counter.
std::uint32_t TickCount();
