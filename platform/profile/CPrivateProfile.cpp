#include "CPrivateProfile.h"

#include "CProfileText.h"
#include "CReplacedFile.h"

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
    const std::optional<std::string> old = ReadText();
    if (!old)
        return false;
    CProfileText text(*old);
    if (!text.SetValue(section, key, value))
        return false;
    if (text.Text() == *old)
        return true;
    return CReplacedFile(m_path).Replace(text.Text());
}

std::optional<std::string> CPrivateProfile::ReadText() const {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(m_path, error);
    if (!fs::exists(status))
        return std::string();
    if (!fs::is_regular_file(status) || fs::file_size(m_path, error) > kMaxFileSize || error)
        return std::nullopt;
    std::ifstream in(m_path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || !in.is_open())
        return std::nullopt;
    return text;
}

std::optional<std::string> CPrivateProfile::ReadValue(std::string_view section,
                                                      std::string_view key) const {
    const std::optional<std::string> text = ReadText();
    return text ? CProfileText(*text).GetValue(section, key) : std::nullopt;
}
