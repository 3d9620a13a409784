#include "CPrivateProfile.h"

#include "CProfileText.h"
#include "FileReplacement.h"
#include "SettingsCategory.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <utility>

namespace {

// An INI file is a few hundred bytes; anything far larger is not ours to load or rewrite.
constexpr std::uintmax_t kMaxFileSize = 4u << 20;

std::string TrimTrailingSpaces(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

const char* FixFor(std::error_code error) {
    switch (error.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
        return "make the file writable for the user running the program";
    case ENOENT:
        return "create its folder (for a link, the folder it leads to)";
    case ENOSPC:
    case EDQUOT:
        return "free some space on its disk";
    case EFBIG:
        return "the file may not grow: check the limit on file sizes (ulimit -f)";
    case EOVERFLOW:
        return "it is far larger than a settings file: move it aside";
    case EINVAL:
        return "a setting holds a line break, which the file cannot keep";
    case EIO:
        return "check the disk";
    default:
        return "put a regular, writable file in its place";
    }
}

} // namespace

CPrivateProfile::CPrivateProfile(std::filesystem::path path) : m_path(std::move(path)) {}

int CPrivateProfile::GetProfileInt(std::string_view section, std::string_view key, int nDefault) {
    const std::optional<std::string> value = ReadValue(section, key);
    return value ? CProfileText::ToInt(*value, nDefault) : nDefault;
}

std::string CPrivateProfile::GetProfileString(std::string_view section, std::string_view key,
                                              std::string_view strDefault) {
    return ReadValue(section, key).value_or(TrimTrailingSpaces(strDefault));
}

bool CPrivateProfile::WriteProfileInt(std::string_view section, std::string_view key, int nValue) {
    return WriteProfileString(section, key, std::to_string(nValue));
}

bool CPrivateProfile::WriteProfileString(std::string_view section, std::string_view key,
                                         std::string_view value) {
    const std::error_code error = Write(section, key, value);
    NoteWriteResult(error);
    return !error;
}

std::error_code CPrivateProfile::Write(std::string_view section, std::string_view key,
                                       std::string_view value) {
    std::string old;
    if (const std::error_code error = ReadText(old))
        return error;
    CProfileText text(old);
    if (!text.SetValue(section, key, value))
        return std::make_error_code(std::errc::invalid_argument);
    if (text.Text() == old)
        return {};
    return ReplaceFileContent(m_path, text.Text());
}

// One line per failure that differs from the last one, so a save of many keys that all fail
// for the same cause says so once.
void CPrivateProfile::NoteWriteResult(std::error_code error) {
    if (error && error != m_lastWriteError) {
        qCWarning(lcSettings, "Settings not saved to %s: %s; %s.", m_path.c_str(),
                  error.message().c_str(), FixFor(error));
    }
    m_lastWriteError = error;
}

std::error_code CPrivateProfile::ReadText(std::string& text) const {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(m_path, error);
    text.clear();
    if (!fs::exists(status))
        return {};
    if (!fs::is_regular_file(status)) {
        return std::make_error_code(fs::is_directory(status) ? std::errc::is_a_directory
                                                             : std::errc::not_supported);
    }
    const std::uintmax_t size = fs::file_size(m_path, error);
    if (error)
        return error;
    if (size > kMaxFileSize)
        return std::make_error_code(std::errc::value_too_large);
    errno = 0;
    std::ifstream in(m_path, std::ios::binary);
    if (!in.is_open())
        return {errno != 0 ? errno : EIO, std::generic_category()};
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? std::make_error_code(std::errc::io_error) : std::error_code();
}

std::optional<std::string> CPrivateProfile::ReadValue(std::string_view section,
                                                      std::string_view key) const {
    std::string text;
    if (ReadText(text))
        return std::nullopt;
    return CProfileText(text).GetValue(section, key);
}
