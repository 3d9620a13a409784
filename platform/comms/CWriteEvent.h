#pragma once
// A manual-reset event: once set it stays set. The library sets it when it has handed the
// queued write buffers to the port; the program never waits on it.

#include <atomic>

class CWriteEvent {
public:
    void Set() { m_bSet = true; }
    bool IsSet() const { return m_bSet; }

private:
    std::atomic<bool> m_bSet = false;
};
