#pragma once
// The data log file over POSIX: opened for appending without truncation, held for exclusive use
// through an advisory lock (a second running copy cannot open it), appended to a whole line at a
// time: a line that does not fit (a full disk) leaves no part of itself, and the next one that
// fits is written. A line is in the file once Write returns; Flush has it put on the disk
// (fdatasync) by a thread of its own, so the caller never waits on the disk, and Close waits for
// that. Flushes made while a sync runs coalesce into one more sync, which covers every byte
// written before it: nothing queues up, however fast lines come. Failures go to the
// "quendix.log" category, once per change.

#include "IFile.h"

#include <atomic>
#include <thread>

class CFile : public IFile {
public:
    CFile() = default;
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Fails when the path names no regular file that can be created or written, or when
    // another holder has the file.
    bool Open(const std::string& path) override;
    bool IsOpen() const override { return m_fd >= 0; }
    // Every write goes to the end of the file as it is then.
    void SeekToEnd() override {}
    bool Write(const char* data, std::size_t count) override;
    // Returns at once; the lines written so far reach the disk well before the next reply.
    bool Flush() override;
    void Close() override;
    // The syncs that reached the disk since the file was opened.
    unsigned SyncCount() const { return m_syncs; }

private:
    void TakeBack(std::size_t count);
    void NoteWriteResult(int error);
    void SyncUntilClosed();
    void Sync();

    int m_fd = -1;
    std::string m_hostPath;
    int m_writeError = 0;
    std::atomic<unsigned> m_syncRequests{0};
    int m_syncError = 0; // the sync thread's own
    std::atomic<unsigned> m_syncs{0};
    std::thread m_syncer;
};
