#pragma once
// The program's private INI file, one path, with the behaviour of the Windows private-profile
// functions. Every call reads the file afresh, so a change made by another program is seen.
// A write replaces the file as a whole and loses nothing when it fails; a failure is reported on
// the "quendix.settings" category, once until the next write succeeds or fails otherwise.

#include "IProfile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

class CPrivateProfile : public IProfile {
public:
    explicit CPrivateProfile(std::filesystem::path path);

    const std::filesystem::path& GetPath() const { return m_path; }

    int GetProfileInt(std::string_view section, std::string_view key, int nDefault) override;
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view strDefault) override;
    bool WriteProfileInt(std::string_view section, std::string_view key, int nValue) override;
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value) override;

private:
    // The file's text: empty when the file is missing; an error when it cannot be read.
    std::error_code ReadText(std::string& text) const;
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::error_code Write(std::string_view section, std::string_view key, std::string_view value);
    void NoteWriteResult(std::error_code error);

    std::filesystem::path m_path;
    std::error_code m_lastWriteError;
};
