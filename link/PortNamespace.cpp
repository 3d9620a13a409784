#include "PortNamespace.h"

#include "CSerialDevice.h"
#include "IProfile.h"
#include "NetworkAddress.h"
#include "PortText.h"

namespace {

std::string_view StripDevicePrefix(std::string_view name) {
    for (const std::string_view prefix : {"\\\\.\\", "//./"})
        if (name.starts_with(prefix))
            return name.substr(prefix.size());
    return name;
}

// COM1-COM4 /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15, COM21-COM32 /dev/ttyACM0-11.
std::string TableDevice(int nPort) {
    if (nPort < 1 || nPort > 32)
        return {};
    return nPort <= 4    ? "/dev/ttyS" + std::to_string(nPort - 1)
           : nPort <= 20 ? "/dev/ttyUSB" + std::to_string(nPort - 5)
                         : "/dev/ttyACM" + std::to_string(nPort - 21);
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
