#pragma once
// Port properties for Instrumentation::SetComm.

#include <cstdint>

// The one channel an Instrumentation serves; calls naming another channel do nothing.
inline constexpr std::uint32_t COMM_CHANNEL = 1;

enum eCommProp : std::uint32_t {
    COMM_PARITY = 1, // a letter: the line is 8N1 whatever is asked
    COMM_DATA_BITS = 2,
    COMM_STOP_BITS = 3,
    COMM_TERMINATOR = 4, // the byte that ends a received telegram
};
