#pragma once
// Rewrites a file's content in place, keeping its inode and so its owner, group, mode and links:
// the way to save where a replacing rename is impossible or would take the file over. The file
// is first extended to the new length, so a full disk is found before any old byte is touched.

#include <filesystem>
#include <string_view>
#include <system_error>

class CRewrittenFile {
public:
    explicit CRewrittenFile(std::filesystem::path path);

    // The file holds the text, on the disk, when this returns no error.
    std::error_code Rewrite(std::string_view text) const;

private:
    std::filesystem::path m_path;
};
