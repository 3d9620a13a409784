#pragma once
// The data log file over POSIX: opened for writing without truncation, held for exclusive use
// through an advisory lock (a second running copy cannot open it), appended to with whole writes.

#include "IFile.h"

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
    void SeekToEnd() override;
    bool Write(const char* data, std::size_t count) override;
    bool Flush() override;
    void Close() override;

private:
    int m_fd = -1;
};
