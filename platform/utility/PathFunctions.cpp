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

std::string HostPath(const std::string& path) {
    std::string host = path;
    std::replace(host.begin(), host.end(), '\\', '/');
    return std::filesystem::path(host).lexically_normal().string();
}
