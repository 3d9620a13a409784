#pragma once
// Puts what was written to a file on the disk (fdatasync) on a thread of its own, so that the
// writer never waits on the disk. Requests made while a sync runs coalesce into one more sync,
// which covers every byte written before it: nothing queues up, however fast lines come.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class CLogSync {
public:
    // The descriptor stays the caller's and must stay open while this object lives.
    CLogSync(int fd, std::string path);
    // Waits until everything requested is on the disk.
    ~CLogSync();
    CLogSync(const CLogSync&) = delete;
    CLogSync& operator=(const CLogSync&) = delete;

    // Everything written so far goes to the disk soon; returns at once.
    void Request();

private:
    void Run();
    void Sync();

    const int m_fd;
    const std::string m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bPending = false;
    bool m_bStopping = false;
    int m_lastError = 0; // the sync thread's own
    std::thread m_thread;
};
