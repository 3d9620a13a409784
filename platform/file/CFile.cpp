#include "CFile.h"

#include "PathFunctions.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// O_NONBLOCK keeps a FIFO put in the log's place from blocking the window; only regular files
// are kept open.
int OpenRegularForWriting(const std::string& hostPath) {
    const int fd = ::open(hostPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path) {
    Close();
    if (path.find('\0') != std::string::npos)
        return false;
    m_fd = OpenRegularForWriting(HostPath(path));
    return IsOpen();
}

void CFile::SeekToEnd() {
    if (IsOpen())
        ::lseek(m_fd, 0, SEEK_END);
}

bool CFile::Write(const char* data, std::size_t count) {
    if (!IsOpen())
        return false;
    while (count > 0) {
        const ssize_t written = ::write(m_fd, data, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

// Every Write goes straight to the kernel (nothing is buffered here), so a line is in the file
// once Write returns, even if the program is killed; there is nothing left to flush.
bool CFile::Flush() {
    return IsOpen();
}

void CFile::Close() {
    if (IsOpen()) {
        ::close(m_fd);
        m_fd = -1;
    }
}
