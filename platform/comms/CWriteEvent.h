#pragma once
// A manual-reset event: once set it stays set. The library sets it when it has handed the
// queued write buffers to the port.

#include <chrono>
#include <condition_variable>
#include <mutex>

class CWriteEvent {
public:
    void Set();
    bool IsSet() const;
    // True when the event is set, or becomes set within the timeout.
    bool Wait(std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_bSet = false;
};
