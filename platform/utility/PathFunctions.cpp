#include "PathFunctions.h"

#include <algorithm>
#include <filesystem>

std::string MfxGetModulePathName() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.string();
}

void MfxPathToParentPath(std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    path = separator == std::string::npos ? std::string("./") : path.substr(0, separator + 1);
}

std::string ProgramParentPath() {
    std::string path = MfxGetModulePathName();
    MfxPathToParentPath(path);
    return path;
}

std::string HostPath(const std::string& path) {
    std::string host = path;
    // Without a '/' (npos + 1 is 0) the whole path is the appended part.
    const std::size_t appended = host.rfind('/') + 1;
    std::replace(host.begin() + static_cast<std::ptrdiff_t>(appended), host.end(), '\\', '/');
    return std::filesystem::path(host).lexically_normal().string();
}

std::string IniFilePath(const std::string& parentPath) {
    return HostPath(parentPath + "..\\INI\\Quendix.ini");
}
