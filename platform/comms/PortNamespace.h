#pragma once
// The host's serial-port namespace: where a Windows port name ("COM3", or the device names
// "\\.\COM3" and "//./COM3") lives on this machine. Settings keep Windows names so INI files
// stay portable; this is the one place that turns them into devices.
//
// A name resolves first through the operator's mapping (section "Ports" of the INI file, for
// example COM3=/dev/serial/by-id/usb-...), otherwise through the fixed table COM1-COM4
// /dev/ttyS0-3, COM5-COM20 /dev/ttyUSB0-15, COM21-COM32 /dev/ttyACM0-11.

#include <functional>
#include <string>
#include <string_view>

class PortNamespace {
public:
    // The device the operator mapped a port name ("COM3") to, or "" when there is none.
    using MappedDevice = std::function<std::string(std::string_view port)>;

    // Without a mapping only the fixed table counts.
    explicit PortNamespace(MappedDevice mappedDevice = {});

    // The device path for the name, or "" when the name stands for no device.
    std::string Resolve(std::string_view name) const;
    // True when a device is really there: a character device, and for a ttyS node a UART behind
    // it. The device is not opened, so a port in use counts and no modem line is touched.
    bool DeviceExists(std::string_view name) const;

private:
    MappedDevice m_mappedDevice;
};
