#include "CWriteEvent.h"

void CWriteEvent::Set() {
    {
        std::lock_guard lock(m_mutex);
        m_bSet = true;
    }
    m_changed.notify_all();
}

bool CWriteEvent::IsSet() const {
    std::lock_guard lock(m_mutex);
    return m_bSet;
}

bool CWriteEvent::Wait(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [this] { return m_bSet; });
}
