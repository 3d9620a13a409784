#include "CRewrittenFile.h"

#include "CFileDescriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Takes the disk space the longer text needs before the old bytes are overwritten; on failure
// the file is cut back to its old length, in case the file system extended it part of the way.
std::error_code Reserve(const CFileDescriptor& file, off_t length) {
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return CFileDescriptor::LastError();
    if (length <= info.st_size)
        return {};
    const int result = ::posix_fallocate(file.Get(), 0, length);
    if (result == 0)
        return {};
    if (::ftruncate(file.Get(), info.st_size) != 0)
        return CFileDescriptor::LastError();
    return {result, std::generic_category()};
}

} // namespace

CRewrittenFile::CRewrittenFile(std::filesystem::path path) : m_path(std::move(path)) {}

std::error_code CRewrittenFile::Rewrite(std::string_view text) const {
    // Read access too: where the file system cannot reserve space itself, the C library does it
    // by reading and writing single bytes.
    const CFileDescriptor file(::open(m_path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (!file.IsOpen())
        return CFileDescriptor::LastError();
    const auto length = static_cast<off_t>(text.size());
    if (const std::error_code error = Reserve(file, length))
        return error;
    if (const std::error_code error = file.WriteAt(text, 0))
        return error;
    if (::ftruncate(file.Get(), length) != 0 || ::fsync(file.Get()) != 0)
        return CFileDescriptor::LastError();
    return {};
}
