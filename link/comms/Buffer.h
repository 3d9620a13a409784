#pragma once
// One pooled text buffer. Its capacity is fixed: nothing the wire sends can make it grow.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

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

    // The text must fit: at most BUFFER_TEXT_MAX bytes.
    void Fill(std::uint32_t nKind, std::uint32_t nChannel, std::uint32_t dwTimeStamp,
              std::string_view text) {
        m_nKind = nKind;
        m_nChannel = nChannel;
        m_dwTimeStamp = dwTimeStamp;
        std::memcpy(m_szText, text.data(), text.size());
        m_szText[text.size()] = '\0';
        m_nLength = static_cast<std::uint32_t>(text.size());
    }
};
