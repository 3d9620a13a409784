#pragma once
// The data log file over POSIX: opened for appending without truncation, held for exclusive use
// through an advisory lock (a second running copy cannot open it), appended to with whole writes.
// A line is in the file once Write returns; Flush has it put on the disk by a thread of its own,
// and Close waits for that. Failures go to the "quendix.log" category, once per change.

#include "IFile.h"

#include <memory>

class CLogSync;

class CFile : public IFile {
public:
    CFile();
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Fails when the path names no regular file that can be created or written, or when
    // another holder has the file.
    bool Open(const std::string& path) override;
    bool IsOpen() const override { return m_fd >= 0; }
    void SeekToEnd() override;
    bool Write(const char* data, std::size_t count) override;
    // Returns at once; the lines written so far reach the disk well before the next reply.
    bool Flush() override;
    void Close() override;

private:
    void NoteWriteResult(int error);

    int m_fd = -1;
    std::string m_hostPath;
    int m_writeError = 0;
    std::unique_ptr<CLogSync> m_sync;
};
