#pragma once
// The host's serial-port namespace: where a Windows port name ("COM3", or the device names
// "\\.\COM3" and "//./COM3") leads on this machine. Settings keep Windows names so INI files
// stay portable; this is the one place that turns them into devices.
//
// A name resolves first through the operator's mapping (section "Ports" of the INI file: a
// device such as COM3=/dev/serial/by-id/usb-..., or a serial line on the network such as
// COM3=rfc2217://10.0.0.5:4001), otherwise through the fixed table COM1-COM4 /dev/ttyS0-3,
// COM5-COM20 /dev/ttyUSB0-15, COM21-COM32 /dev/ttyACM0-11.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class IProfile;

class PortNamespace {
public:
    // What the operator mapped a port name ("COM3") to, or "" when there is nothing.
    using MappedTarget = std::function<std::string(std::string_view port)>;

    // Without a mapping only the fixed table counts.
    explicit PortNamespace(MappedTarget mappedTarget = {});
    // The mapping of section "Ports" of the INI file, read at each look-up.
    static PortNamespace OfProfile(std::shared_ptr<IProfile> pProfile);

    // The device path or network address for the name, or "" when it stands for nothing.
    std::string Resolve(std::string_view name) const;
    // Whether the operator mapped the name.
    bool IsMapped(std::string_view name) const;
    // True when a serial device is really there (see CSerialDevice::IsPresent), or the name
    // leads to a well-formed network address, which is not connected to.
    bool IsPresent(std::string_view name) const;

private:
    MappedTarget m_mappedTarget;
};
