#include "PortNamespace.h"

#include "CSerialDevice.h"
#include "IProfile.h"
#include "NetworkAddress.h"
#include "PortText.h"

#include <array>

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

std::string_view StripDevicePrefix(std::string_view name) {
    for (const std::string_view prefix : {"\\\\.\\", "//./"})
        if (name.starts_with(prefix))
            return name.substr(prefix.size());
    return name;
}

std::string TableDevice(int nPort) {
    for (const auto& range : PORT_TABLE)
        if (nPort >= range.nFirstPort && nPort <= range.nLastPort)
            return range.pszDevice + std::to_string(nPort - range.nFirstPort);
    return {};
}

} // namespace

PortNamespace::PortNamespace(MappedTarget mappedTarget) : m_mappedTarget(std::move(mappedTarget)) {}

PortNamespace PortNamespace::OfProfile(std::shared_ptr<IProfile> pProfile) {
    return PortNamespace([pProfile = std::move(pProfile)](std::string_view port) {
        return pProfile->GetProfileString("Ports", port, "");
    });
}

std::string PortNamespace::Resolve(std::string_view name) const {
    const std::string_view port = StripDevicePrefix(name);
    if (port.empty())
        return {};
    if (m_mappedTarget) {
        std::string mapped = m_mappedTarget(port);
        if (!mapped.empty())
            return mapped;
    }
    return TableDevice(ComPortNumber(port));
}

bool PortNamespace::IsMapped(std::string_view name) const {
    return m_mappedTarget && !m_mappedTarget(StripDevicePrefix(name)).empty();
}

bool PortNamespace::IsPresent(std::string_view name) const {
    const std::string target = Resolve(name);
    if (NetworkAddress::IsNetworkName(target))
        return NetworkAddress::Parse(target).error.empty();
    return !target.empty() && CSerialDevice(target).IsPresent();
}
