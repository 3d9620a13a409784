#pragma once
// Replaces a file's whole content so that a failure at any point leaves the old content in place:
// the new text goes to a temporary file in the same folder, which is then renamed over the file.

#include <filesystem>
#include <string_view>

class CReplacedFile {
public:
    explicit CReplacedFile(std::filesystem::path path);

    // False, with the file untouched, when the file is read-only, its folder is missing or
    // not writable, or the new text cannot be written in full. A missing file is created.
    bool Replace(std::string_view text) const;

private:
    std::filesystem::path Target() const;

    std::filesystem::path m_path;
};
