#include "FileReplacement.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

std::error_code ErrorOf(int number) {
    return {number, std::generic_category()};
}

// A call that failed without a cause must not read as success.
std::error_code LastError() {
    return ErrorOf(errno != 0 ? errno : EIO);
}

// An open descriptor (or -1), closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    operator int() const { return m_fd; }

private:
    int m_fd;
};

// Every byte from the start, through interruptions and short writes, then on the disk.
std::error_code WriteAndSync(int fd, std::string_view text) {
    off_t offset = 0;
    while (!text.empty()) {
        const ssize_t written = ::pwrite(fd, text.data(), text.size(), offset);
        if (written != -1) {
            text.remove_prefix(static_cast<std::size_t>(written));
            offset += written;
        } else if (errno != EINTR) {
            return LastError();
        }
    }
    if (::ftruncate(fd, offset) != 0 || ::fsync(fd) != 0)
        return LastError();
    return {};
}

// A file with no write permission at all counts as read-only even for a privileged user, as
// the read-only attribute does on Windows; otherwise the real permission is probed by opening
// the file for writing, which changes nothing.
std::error_code CheckWritable(const fs::path& target, const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return ErrorOf(S_ISDIR(info.st_mode) ? EISDIR : ENOTSUP);
    if ((info.st_mode & kAnyWrite) == 0)
        return ErrorOf(EACCES);
    const Descriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    return probe >= 0 ? std::error_code() : LastError();
}

// A rename puts a new inode in the file's place: owned by whoever saves, and no longer the
// inode that other hard links share.
bool RenameKeepsTheFile(const struct stat& info) {
    return info.st_uid == ::geteuid() && info.st_nlink == 1;
}

// The replacement takes the old file's group and mode; the group fails unless the writer
// belongs to it (or is privileged).
std::error_code TakeOver(int fd, const struct stat& old) {
    if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0 ||
        ::fchmod(fd, old.st_mode & 07777) != 0)
        return LastError();
    return {};
}

std::error_code SyncFolder(const fs::path& folder) {
    const Descriptor directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory < 0 || ::fsync(directory) != 0)
        return LastError();
    return {};
}

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device random;
    fs::path temporary = target;
    temporary.replace_filename("." + target.filename().string() + ".tmp" +
                               std::to_string(random()));
    return temporary;
}

std::error_code WriteTemporary(const fs::path& temporary, std::string_view text,
                               const struct stat* old) {
    const Descriptor file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666));
    if (file < 0)
        return LastError();
    if (old) {
        if (const std::error_code error = TakeOver(file, *old))
            return error;
    }
    return WriteAndSync(file, text);
}

// old is the file being replaced, or null when there is none yet.
std::error_code ReplaceByRename(const fs::path& target, std::string_view text,
                                const struct stat* old) {
    const fs::path temporary = TemporaryBeside(target);
    std::error_code error = WriteTemporary(temporary, text, old);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = LastError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    return SyncFolder(target.parent_path());
}

// Takes the disk space the longer text needs before the old bytes are overwritten; on failure
// the file is cut back to its old length, in case the file system extended it part of the way.
std::error_code Reserve(int fd, off_t length, off_t oldLength) {
    if (length <= oldLength)
        return {};
    const int result = ::posix_fallocate(fd, 0, length);
    if (result == 0)
        return {};
    if (::ftruncate(fd, oldLength) != 0)
        return LastError();
    return ErrorOf(result);
}

// Keeps the inode, and so the owner, group, mode and links.
std::error_code RewriteInPlace(const fs::path& target, std::string_view text) {
    // Read access too: where the file system cannot reserve space itself, the C library does it
    // by reading and writing single bytes.
    const Descriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (file < 0 || ::fstat(file, &info) != 0)
        return LastError();
    if (const std::error_code error = Reserve(file, static_cast<off_t>(text.size()), info.st_size))
        return error;
    return WriteAndSync(file, text);
}

// Where a chain of symbolic links leads, whether the file there exists or not (a save creates
// it); a loop is left for the stat that follows to report.
fs::path ResolvedLink(fs::path path) {
    std::error_code error;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hop)
        path = path.parent_path() / fs::read_symlink(path, error);
    return path;
}

} // namespace

std::error_code ReplaceFileContent(const fs::path& path, std::string_view text) {
    const fs::path target = ResolvedLink(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return errno == ENOENT ? ReplaceByRename(target, text, nullptr) : LastError();
    if (const std::error_code error = CheckWritable(target, info))
        return error;
    // Whatever keeps the rename from working (a folder this user cannot write into, a group it
    // cannot give, a full disk) leaves the old file as it was, to be rewritten in place.
    if (RenameKeepsTheFile(info) && !ReplaceByRename(target, text, &info))
        return {};
    return RewriteInPlace(target, text);
}
