#include "CReplacedFile.h"

#include "CFileDescriptor.h"
#include "CRewrittenFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

std::error_code ErrorOf(int number) {
    return {number, std::generic_category()};
}

// A file with no write permission at all counts as read-only even for a privileged user, as
// the read-only attribute does on Windows; otherwise the real permission is probed by opening
// the file for writing, which changes nothing.
std::error_code CheckWritable(const fs::path& target, const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return ErrorOf(S_ISDIR(info.st_mode) ? EISDIR : ENOTSUP);
    if ((info.st_mode & kAnyWrite) == 0)
        return ErrorOf(EACCES);
    const CFileDescriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    return probe.IsOpen() ? std::error_code() : CFileDescriptor::LastError();
}

// A rename puts a new inode in the file's place: owned by whoever saves, and no longer the
// inode that other hard links share.
bool RenameKeepsTheFile(const struct stat& info) {
    return info.st_uid == ::geteuid() && info.st_nlink == 1;
}

// The replacement takes the old file's group and mode; the group fails unless the writer
// belongs to it (or is privileged).
std::error_code TakeOver(const CFileDescriptor& file, const struct stat& old) {
    if (::fchown(file.Get(), static_cast<uid_t>(-1), old.st_gid) != 0 ||
        ::fchmod(file.Get(), old.st_mode & 07777) != 0)
        return CFileDescriptor::LastError();
    return {};
}

std::error_code SyncFolder(const fs::path& folder) {
    const CFileDescriptor directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.IsOpen() || ::fsync(directory.Get()) != 0)
        return CFileDescriptor::LastError();
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
    const CFileDescriptor file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, old ? 0600 : 0666));
    if (!file.IsOpen())
        return CFileDescriptor::LastError();
    if (old) {
        if (const std::error_code error = TakeOver(file, *old))
            return error;
    }
    if (const std::error_code error = file.WriteAt(text, 0))
        return error;
    return ::fsync(file.Get()) == 0 ? std::error_code() : CFileDescriptor::LastError();
}

// old is the file being replaced, or null when there is none yet.
std::error_code ReplaceByRename(const fs::path& target, std::string_view text,
                                const struct stat* old) {
    const fs::path temporary = TemporaryBeside(target);
    std::error_code error = WriteTemporary(temporary, text, old);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = CFileDescriptor::LastError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    return SyncFolder(target.parent_path());
}

} // namespace

CReplacedFile::CReplacedFile(fs::path path) : m_path(std::move(path)) {}

std::error_code CReplacedFile::Replace(std::string_view text) const {
    const fs::path target = Target();
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? ReplaceByRename(target, text, nullptr)
                               : CFileDescriptor::LastError();
    }
    if (const std::error_code error = CheckWritable(target, info))
        return error;
    // Whatever keeps the rename from working (a folder this user cannot write into, a group it
    // cannot give, a full disk) leaves the old file as it was, to be rewritten in place.
    if (RenameKeepsTheFile(info) && !ReplaceByRename(target, text, &info))
        return {};
    return CRewrittenFile(target).Rewrite(text);
}

// A symbolic link stays a link: the file it points to is the one replaced.
fs::path CReplacedFile::Target() const {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(m_path, error)))
        return m_path;
    const fs::path resolved = fs::canonical(m_path, error);
    return error ? m_path : resolved;
}
