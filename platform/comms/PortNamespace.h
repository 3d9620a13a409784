#pragma once
// The host's serial-port namespace: where a Windows port name ("COM3", or the device names
// "\\.\COM3" and "//./COM3") lives on this machine. Settings keep Windows names so INI files
// stay portable; this is the one place that turns them into devices.
//
// A name resolves first through its key in section "Ports" of the INI file (for example
// COM3=/dev/serial/by-id/usb-...), otherwise through the fixed table COM1-COM4 /dev/ttyS0-3,
// COM5-COM20 /dev/ttyUSB0-15, COM21-COM32 /dev/ttyACM0-11.

#include <memory>
#include <string>
#include <string_view>

class IProfile;

// Set once at start-up; null leaves only the fixed table.
void ConfigurePortNamespace(std::shared_ptr<IProfile> pProfile);

// The device path for the name, or "" when the name stands for no device.
std::string ResolvePortDevice(std::string_view name);

// True when a device is really there: a character device, and for a ttyS node a UART behind
// it. The device is not opened, so a port in use counts and no modem line is touched.
bool PortDeviceExists(std::string_view name);
