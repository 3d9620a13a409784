#pragma once
// How the library announces an event on a queue. Default-constructed it requests nothing.

#include <cstdint>

class CWriteEvent;
class IWindowTarget;

inline constexpr std::uint32_t REPLY_NONE = 0;
inline constexpr std::uint32_t REPLY_SIGNAL_EVENT = 1;
inline constexpr std::uint32_t REPLY_POST_MESSAGE = 2;

struct ReplyMechanism {
    std::uint32_t m_nQueue = 0;
    std::uint32_t m_nKind = REPLY_NONE;
    // The kind says which target counts: the event for REPLY_SIGNAL_EVENT, the window for
    // REPLY_POST_MESSAGE.
    CWriteEvent* m_pEvent = nullptr;
    IWindowTarget* m_pWindow = nullptr;
    std::uint32_t m_nMessage = 0;
};
