#include "PortNamespace.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

struct TableRange {
    int nFirstPort;
    int nLastPort;
    const char* pszDevice;
};

constexpr std::array<TableRange, 3> PORT_TABLE = {{
    {1, 4, "/dev/ttyS"},
    {5, 20, "/dev/ttyUSB"},
    {21, 32, "/dev/ttyACM"},
}};

bool StartsWith(std::string_view text, std::string_view prefix, bool bIgnoreCase) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (bIgnoreCase && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

std::string_view StripDevicePrefix(std::string_view name) {
    for (const std::string_view prefix : {"\\\\.\\", "//./"})
        if (StartsWith(name, prefix, false))
            return name.substr(prefix.size());
    return name;
}

// n of "COMn" without leading zeros, or 0.
int ComPortNumber(std::string_view port) {
    if (!StartsWith(port, "COM", true) || port.size() < 4 || port[3] == '0')
        return 0;
    int number = 0;
    const char* pEnd = port.data() + port.size();
    const auto [pStop, error] = std::from_chars(port.data() + 3, pEnd, number);
    return error == std::errc() && pStop == pEnd ? number : 0;
}

std::string TableDevice(int nPort) {
    for (const auto& range : PORT_TABLE)
        if (nPort >= range.nFirstPort && nPort <= range.nLastPort)
            return range.pszDevice + std::to_string(nPort - range.nFirstPort);
    return {};
}

// A ttyS node exists for every possible UART; sysfs says whether one was found ("0": none).
bool HasUart(const std::filesystem::path& device) {
    const std::string name = device.filename().string();
    if (!name.starts_with("ttyS"))
        return true;
    std::ifstream typeFile("/sys/class/tty/" + name + "/type");
    int type = 0;
    return typeFile >> type && type != 0;
}

} // namespace

PortNamespace::PortNamespace(MappedDevice mappedDevice) : m_mappedDevice(std::move(mappedDevice)) {}

std::string PortNamespace::Resolve(std::string_view name) const {
    const std::string_view port = StripDevicePrefix(name);
    if (port.empty())
        return {};
    if (m_mappedDevice) {
        std::string mapped = m_mappedDevice(port);
        if (!mapped.empty())
            return mapped;
    }
    return TableDevice(ComPortNumber(port));
}

bool PortNamespace::DeviceExists(std::string_view name) const {
    const std::string device = Resolve(name);
    struct stat info {};
    if (device.empty() || stat(device.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    std::error_code error;
    const auto target = std::filesystem::canonical(device, error);
    return !error && HasUart(target);
}
