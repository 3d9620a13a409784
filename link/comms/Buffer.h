#pragma once
// One pooled text buffer. Its capacity is fixed: nothing the wire sends can make it grow.

#include <cstddef>
#include <cstdint>

// Text bytes including the terminating NUL. A telegram of the unit is a few dozen bytes.
inline constexpr std::size_t BUFFER_TEXT_SIZE = 256;
inline constexpr std::size_t BUFFER_TEXT_MAX = BUFFER_TEXT_SIZE - 1;

inline constexpr std::uint32_t BUFFER_KIND_WRITE = 1;
inline constexpr std::uint32_t BUFFER_KIND_READ = 2;

struct Buffer {
    std::uint32_t m_nKind = 0;
    std::uint32_t m_nChannel = 0;
    std::uint32_t m_nReserved = 0;
    std::uint32_t m_dwTimeStamp = 0;
    // Text bytes before the NUL.
    std::uint32_t m_nLength = 0;
    char m_szText[BUFFER_TEXT_SIZE] = {};
};
