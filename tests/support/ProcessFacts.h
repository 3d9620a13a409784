#pragma once
// What /proc tells about another running process: its CPU time, its name, the signals it
// catches, the files it holds open. Zero or empty when the process is gone.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace ProcessFacts {

inline std::string ProcFile(pid_t pid, const char* name) {
    return "/proc/" + std::to_string(pid) + "/" + name;
}

inline std::string FirstLine(pid_t pid, const char* name) {
    std::ifstream in(ProcFile(pid, name));
    std::string line;
    std::getline(in, line);
    return line;
}

// Seconds of CPU used in user and kernel mode together.
inline double CpuSeconds(pid_t pid) {
    const std::string stat = FirstLine(pid, "stat");
    // Fields 14 and 15 (utime, stime) counted from the pid; the name before them may hold blanks.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string skipped;
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    long user = 0;
    long system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The executable's name as the kernel keeps it (at most 15 characters).
inline std::string Command(pid_t pid) {
    return FirstLine(pid, "comm");
}

// True once the process has installed a handler for the signal.
inline bool CatchesSignal(pid_t pid, int signal) {
    std::ifstream in(ProcFile(pid, "status"));
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1u;
    return false;
}

// The paths of the files the process holds open.
inline std::vector<std::filesystem::path> OpenFiles(pid_t pid) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ProcFile(pid, "fd"), error)) {
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), error);
        if (!error)
            files.push_back(target);
    }
    return files;
}

} // namespace ProcessFacts
