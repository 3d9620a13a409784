#pragma once
// Port properties for Instrumentation::SetComm.

#include <cstdint>

// The one channel an Instrumentation serves; calls naming another channel do nothing.
inline constexpr std::uint32_t COMM_CHANNEL = 1;

enum eCommProp : std::uint32_t {
    COMM_PARITY = 1,     // a letter: 'N' (none) is the one served
    COMM_DATA_BITS = 2,  // 5 to 8
    COMM_STOP_BITS = 3,  // 1 or 2
    COMM_TERMINATOR = 4, // the byte that ends a received telegram
};
