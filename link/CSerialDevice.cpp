#include "CSerialDevice.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Where serial programs leave their lock files: Qt's first choice, and the folder it links to.
constexpr std::array<const char*, 2> LOCK_FOLDERS = {"/run/lock", "/var/lock"};
constexpr std::array<const char*, 2> STABLE_NAME_FOLDERS = {"/dev/serial/by-id",
                                                            "/dev/serial/by-path"};

// Calls visit with every entry of the folder; a folder that cannot be read has none.
template <typename Visit> void ForEachEntry(const fs::path& folder, Visit visit) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error))
        visit(it->path());
}

std::string UserName(uid_t uid) {
    const passwd* user = getpwuid(uid);
    return user ? user->pw_name : "uid " + std::to_string(uid);
}

std::string GroupName(gid_t gid) {
    const group* entry = getgrgid(gid);
    return entry ? entry->gr_name : "gid " + std::to_string(gid);
}

// Whether the group database lists the user in the group, whether or not this session has it.
bool IsListedIn(gid_t gid) {
    const passwd* user = getpwuid(geteuid());
    if (!user)
        return false;
    int count = 0;
    getgrouplist(user->pw_name, user->pw_gid, nullptr, &count);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (getgrouplist(user->pw_name, user->pw_gid, groups.data(), &count) < 0)
        return false;
    return std::find(groups.begin(), groups.end(), gid) != groups.end();
}

// The name under which a serial program locks the device: Qt's rule ("/dev/" dropped, the
// other slashes made underscores), which for /dev/ttyUSB0 is everybody's "LCK..ttyUSB0".
std::string LockName(std::string path) {
    if (path.starts_with("/dev/"))
        path.erase(0, 5);
    std::replace(path.begin(), path.end(), '/', '_');
    return "LCK.." + path;
}

// The pid a lock file starts with, whether written as Qt or as lockdev writes it; 0 for none.
int ReadPid(const fs::path& lockFile) {
    std::ifstream in(lockFile);
    int pid = 0;
    return in >> pid && pid > 0 ? pid : 0;
}

bool IsAlive(int pid) {
    return kill(pid, 0) == 0 || errno == EPERM;
}

// The first process with the device among its open files, 0 when none is seen.
int ProcessHolding(const std::string& target) {
    int holder = 0;
    ForEachEntry("/proc", [&](const fs::path& process) {
        const std::string name = process.filename().string();
        if (holder != 0 || name.find_first_not_of("0123456789") != std::string::npos)
            return;
        ForEachEntry(process / "fd", [&](const fs::path& fd) {
            std::error_code error;
            if (fs::read_symlink(fd, error) == target)
                holder = std::stoi(name);
        });
    });
    return holder;
}

std::string ProcessText(int pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return "pid " + std::to_string(pid) + (name.empty() ? "" : " (" + name + ")");
}

} // namespace

bool CSerialDevice::Exists() const {
    struct stat info {};
    return stat(m_path.c_str(), &info) == 0;
}

bool CSerialDevice::IsCharacterDevice() const {
    struct stat info {};
    return stat(m_path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

bool CSerialDevice::IsPresent() const {
    const std::string target = Target();
    if (!IsCharacterDevice() || target.empty())
        return false;
    const std::string name = fs::path(target).filename().string();
    if (!name.starts_with("ttyS"))
        return true;
    // sysfs says whether a UART was found ("0": none).
    std::ifstream typeFile("/sys/class/tty/" + name + "/type");
    int type = 0;
    return typeFile >> type && type != 0;
}

std::string CSerialDevice::Target() const {
    std::error_code error;
    const fs::path target = fs::canonical(m_path, error);
    return error ? std::string() : target.string();
}

std::vector<std::string> CSerialDevice::StableNames() const {
    std::vector<std::string> names;
    const std::string target = Target();
    for (const char* folder : STABLE_NAME_FOLDERS)
        ForEachEntry(folder, [&](const fs::path& name) {
            if (!target.empty() && CSerialDevice(name.string()).Target() == target)
                names.push_back(name.string());
        });
    std::sort(names.begin(), names.end());
    return names;
}

std::string CSerialDevice::AccessProblem() const {
    if (access(m_path.c_str(), R_OK | W_OK) == 0)
        return {};
    const int error = errno;
    struct stat info {};
    if ((error != EACCES && error != EPERM) || stat(m_path.c_str(), &info) != 0)
        return std::strerror(error);
    const std::string user = UserName(geteuid());
    const std::string group = GroupName(info.st_gid);
    constexpr mode_t GROUP_READ_WRITE = S_IRGRP | S_IWGRP;
    if (info.st_gid == 0 || (info.st_mode & GROUP_READ_WRITE) != GROUP_READ_WRITE)
        return "permission denied — only its owner " + UserName(info.st_uid) +
               " may open it: ask the administrator for a udev rule that gives it to group "
               "dialout";
    if (IsListedIn(info.st_gid))
        return "permission denied — user " + user + " was added to group " + group +
               " after this session began: log out and in again";
    return "permission denied — the device belongs to group " + group + " and user " + user +
           " is not in it: sudo usermod -aG " + group + " " + user + ", then log in again";
}

int CSerialDevice::LockHolder() const {
    for (const std::string& path : {m_path, Target()})
        for (const char* folder : LOCK_FOLDERS) {
            const int pid = path.empty() ? 0 : ReadPid(fs::path(folder) / LockName(path));
            if (pid != 0 && IsAlive(pid))
                return pid;
        }
    return 0;
}

std::string CSerialDevice::Holder() const {
    int pid = LockHolder();
    if (pid == 0 && !Target().empty())
        pid = ProcessHolding(Target());
    return pid == 0 ? std::string() : ProcessText(pid);
}
