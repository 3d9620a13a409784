#pragma once
// The device control block the program fills before Initialise.

#include <cstddef>
#include <cstdint>

class QMgr;

// Bytes of the name area, the terminating NUL included.
inline constexpr std::size_t CDCB_NAME_SIZE = 20;

struct CDCB {
    char m_szName[CDCB_NAME_SIZE] = {};
    // The only mode is 1: a telegram channel.
    std::uint32_t m_nMode = 0;
    std::uint32_t m_nBaud = 0;
    QMgr* m_pQMgr = nullptr;
};
