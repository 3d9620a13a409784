#include "CLogSync.h"

#include "DataLogCategory.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

CLogSync::CLogSync(int fd, std::string path)
    : m_fd(fd), m_path(std::move(path)), m_thread(&CLogSync::Run, this) {}

CLogSync::~CLogSync() {
    {
        const std::lock_guard lock(m_mutex);
        m_bStopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CLogSync::Request() {
    {
        const std::lock_guard lock(m_mutex);
        m_bPending = true;
    }
    m_wake.notify_one();
}

void CLogSync::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bPending || m_bStopping; });
        if (!m_bPending)
            return;
        m_bPending = false;
        lock.unlock();
        Sync();
        lock.lock();
    }
}

// One line when syncing starts to fail or fails otherwise, one when it works again.
void CLogSync::Sync() {
    int result = 0;
    do
        result = ::fdatasync(m_fd);
    while (result != 0 && errno == EINTR);
    const int error = result == 0 ? 0 : errno;
    if (error == m_lastError)
        return;
    if (error != 0) {
        qCWarning(lcDataLog,
                  "Log %s not synced to the disk: %s; a power cut can lose its last lines. "
                  "Check the disk.",
                  m_path.c_str(), std::strerror(error));
    } else {
        qCInfo(lcDataLog, "Log %s is synced to the disk again.", m_path.c_str());
    }
    m_lastError = error;
}
