#pragma once
// How the library announces an event on a queue. Default-constructed it requests nothing.

#include <QEvent>
#include <cstdint>

class QObject;

inline constexpr std::uint32_t REPLY_NONE = 0;
inline constexpr std::uint32_t REPLY_SIGNAL_EVENT = 1;
inline constexpr std::uint32_t REPLY_POST_MESSAGE = 2;

// The write side's event: the library sets it once it has handed the cued buffers to the port.
// Nobody waits on it.
struct CWriteEvent {
    bool m_bSet = false;
};

struct ReplyMechanism {
    std::uint32_t m_nQueue = 0;
    std::uint32_t m_nKind = REPLY_NONE;
    // The kind says which target counts: the event for REPLY_SIGNAL_EVENT, the window for
    // REPLY_POST_MESSAGE.
    CWriteEvent* m_pEvent = nullptr;
    QObject* m_pWindow = nullptr;
    std::uint32_t m_nMessage = 0;
};

// The event type that carries a window message: posted to the window, which handles it in
// event(). Messages beyond Qt's user range carry none.
inline QEvent::Type WindowMessageEvent(std::uint32_t nMessage) {
    return nMessage <= QEvent::MaxUser - QEvent::User
               ? static_cast<QEvent::Type>(QEvent::User + static_cast<int>(nMessage))
               : QEvent::None;
}
