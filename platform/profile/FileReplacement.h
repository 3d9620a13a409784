#pragma once
// Replaces a file's whole content without losing the old one. Where it is safe, the new text
// goes to a temporary file in the same folder, which is renamed over the file, so a failure at
// any point leaves the old content in place. Where the folder is not writable, or the rename
// would give the file another owner or group or cut a hard link, the file is rewritten in place
// (a shared installation's INI folder; a run as root over the operator's file), after its disk
// space is reserved, so a full disk is found before any old byte is touched.

#include <filesystem>
#include <string_view>
#include <system_error>

// No error once the text is on the disk. Fails, with the file untouched, when the file is
// read-only or no regular file, its folder is missing, or the new text cannot be written in
// full. A missing file is created; its folder never is. A symbolic link stays a link: the file
// it leads to is the one replaced, or created where its folder exists.
std::error_code ReplaceFileContent(const std::filesystem::path& path, std::string_view text);
