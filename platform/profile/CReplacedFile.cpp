#include "CReplacedFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// A file with no write permission at all counts as read-only even for a privileged user, as
// the read-only attribute does on Windows; otherwise the real permission is probed by opening
// the file for appending, which changes nothing.
bool IsWritable(const fs::path& target, fs::perms permissions) {
    if ((permissions & kAnyWrite) == fs::perms::none)
        return false;
    std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

bool WriteNew(const fs::path& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device random;
    fs::path temporary = target;
    temporary.replace_filename("." + target.filename().string() + ".tmp" +
                               std::to_string(random()));
    return temporary;
}

} // namespace

CReplacedFile::CReplacedFile(fs::path path) : m_path(std::move(path)) {}

bool CReplacedFile::Replace(std::string_view text) const {
    const fs::path target = Target();
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    const bool exists = fs::exists(status);
    if (exists && (!fs::is_regular_file(status) || !IsWritable(target, status.permissions())))
        return false;

    const fs::path temporary = TemporaryBeside(target);
    bool replaced = WriteNew(temporary, text);
    if (replaced && exists)
        fs::permissions(temporary, status.permissions(), error);
    if (replaced) {
        fs::rename(temporary, target, error);
        replaced = !error;
    }
    if (!replaced)
        fs::remove(temporary, error);
    return replaced;
}

// A symbolic link stays a link: the file it points to is the one replaced.
fs::path CReplacedFile::Target() const {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(m_path, error)))
        return m_path;
    const fs::path resolved = fs::canonical(m_path, error);
    return error ? m_path : resolved;
}
