#pragma once
// An open POSIX file descriptor, closed when it goes out of scope.

#include <string_view>
#include <sys/types.h>
#include <system_error>

class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor();
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }

    // Writes every byte from the offset on, through interruptions and short writes.
    std::error_code WriteAt(std::string_view text, off_t offset) const;

    // The error the last failed system call left behind.
    static std::error_code LastError();

private:
    int m_fd;
};
