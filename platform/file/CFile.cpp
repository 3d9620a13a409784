#include "CFile.h"

#include "DataLogCategory.h"
#include "PathFunctions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// What the sync thread is asked to do.
constexpr unsigned SYNC = 1;
constexpr unsigned STOP = 2;

// O_APPEND puts every line after whatever the file holds at that moment, so a note another
// program appended survives, and a log truncated by a rotation tool gets no run of NUL bytes.
// O_NONBLOCK keeps a FIFO put in the log's place from blocking the window; only regular files
// are kept open. The descriptor, or -1 with errno set.
int OpenRegularForAppending(const std::string& hostPath) {
    const int fd =
        ::open(hostPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return -1;
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        error = errno;
    else if (!S_ISREG(info.st_mode))
        error = S_ISDIR(info.st_mode) ? EISDIR : ENOTSUP;
    if (error == 0)
        return fd;
    ::close(fd);
    errno = error;
    return -1;
}

const char* OpenFixFor(int error) {
    switch (error) {
    case ENOENT:
        return "create its folder";
    case EACCES:
    case EPERM:
    case EROFS:
        return "make its folder and the file writable for the user running the program";
    case EWOULDBLOCK:
        return "another copy of the program is logging to it: close that copy";
    default:
        return "choose another log file name";
    }
}

const char* WriteFixFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "free some space on its disk; logging resumes by itself";
    case EFBIG:
        return "the file may not grow: check the limit on file sizes (ulimit -f)";
    default:
        return "check the disk";
    }
}

} // namespace

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path) {
    Close();
    m_hostPath = HostPath(path);
    if (path.find('\0') != std::string::npos) {
        errno = EINVAL;
    } else {
        m_fd = OpenRegularForAppending(m_hostPath);
    }
    if (!IsOpen()) {
        qCWarning(lcDataLog, "Log %s not opened: %s; %s.", m_hostPath.c_str(), std::strerror(errno),
                  OpenFixFor(errno));
        return false;
    }
    m_writeError = 0;
    m_syncError = 0;
    m_syncRequests = 0;
    m_syncs = 0;
    m_syncer = std::thread(&CFile::SyncUntilClosed, this);
    qCInfo(lcDataLog, "Log %s opened for appending.", m_hostPath.c_str());
    return true;
}

bool CFile::Write(const char* data, std::size_t count) {
    if (!IsOpen())
        return false;
    std::string_view rest(data, count);
    int error = 0;
    while (!rest.empty() && error == 0) {
        const ssize_t written = ::write(m_fd, rest.data(), rest.size());
        if (written != -1)
            rest.remove_prefix(static_cast<std::size_t>(written));
        else if (errno != EINTR)
            error = errno;
    }
    if (error != 0 && rest.size() < count)
        TakeBack(count - rest.size());
    NoteWriteResult(error);
    return error == 0;
}

bool CFile::Flush() {
    if (!IsOpen())
        return false;
    m_syncRequests.fetch_or(SYNC);
    m_syncRequests.notify_one();
    return true;
}

void CFile::Close() {
    if (!IsOpen())
        return;
    m_syncRequests.fetch_or(STOP);
    m_syncRequests.notify_one();
    m_syncer.join();
    ::close(m_fd);
    m_fd = -1;
}

// What a failed write leaves would run into the next line: it goes. Under the lock the end of
// the file is ours, and a write that appends leaves the offset there.
void CFile::TakeBack(std::size_t count) {
    const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
    if (::ftruncate(m_fd, end - static_cast<off_t>(count)) != 0)
        qCWarning(lcDataLog, "Log %s ends in part of a line: %s.", m_hostPath.c_str(),
                  std::strerror(errno));
}

// One line when writing starts to fail or fails otherwise, one when it works again.
void CFile::NoteWriteResult(int error) {
    if (error == m_writeError)
        return;
    if (error != 0) {
        struct statvfs disk {}; // stays 0 bytes free where the disk cannot say
        ::fstatvfs(m_fd, &disk);
        qCWarning(lcDataLog, "Log %s: lines not written: %s, %llu bytes free on its disk; %s.",
                  m_hostPath.c_str(), std::strerror(error),
                  static_cast<unsigned long long>(disk.f_bavail * disk.f_frsize),
                  WriteFixFor(error));
    } else {
        qCInfo(lcDataLog, "Log %s is written again.", m_hostPath.c_str());
    }
    m_writeError = error;
}

// A request that comes while a sync runs is served by one more sync after it; a stop is served
// after the sync requested before it.
void CFile::SyncUntilClosed() {
    for (;;) {
        m_syncRequests.wait(0);
        const unsigned requests = m_syncRequests.exchange(0);
        if (requests & SYNC)
            Sync();
        if (requests & STOP)
            return;
    }
}

// One line when syncing starts to fail or fails otherwise, one when it works again. A sync
// interrupted by a signal (a network file system may let one) is served by the next one.
void CFile::Sync() {
    const bool synced = ::fdatasync(m_fd) == 0;
    const int error = synced ? 0 : errno;
    m_syncs += synced;
    if (error == m_syncError)
        return;
    if (error != 0) {
        qCWarning(lcDataLog,
                  "Log %s not synced to the disk: %s; a power cut can lose its last lines. "
                  "Check the disk.",
                  m_hostPath.c_str(), std::strerror(error));
    } else {
        qCInfo(lcDataLog, "Log %s is synced to the disk again.", m_hostPath.c_str());
    }
    m_syncError = error;
}
