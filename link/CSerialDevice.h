#pragma once
// One serial device path as this host sees it, found without opening the device (an opening
// may reset a unit through its modem lines): whether it is there, the stable names that lead
// to it, whether this process may open it, and which other program holds it.

#include <string>
#include <vector>

class CSerialDevice {
public:
    explicit CSerialDevice(std::string path) : m_path(std::move(path)) {}

    bool Exists() const;
    bool IsCharacterDevice() const;
    // A character device, and for a ttyS node a UART behind it (the kernel makes a node for every
    // possible UART). The device is not opened, so a port in use counts.
    bool IsPresent() const;
    // The path with every link resolved ("/dev/ttyUSB0" for a by-id name); "" when absent.
    std::string Target() const;
    // Its names under /dev/serial/by-id and /dev/serial/by-path: they stay with the adapter in
    // whatever order adapters are plugged in, where ttyUSB numbers do not.
    std::vector<std::string> StableNames() const;
    // "" when this process may read and write the device; otherwise why not, and the fix.
    std::string AccessProblem() const;
    // The process named in a live lock file of the device, 0 when there is none. Cheap.
    int LockHolder() const;
    // The other program that holds the device, such as "pid 812 (minicom)": from a lock file,
    // else from the open files in /proc (all programs for root, the user's own otherwise); ""
    // when none is seen.
    std::string Holder() const;

private:
    std::string m_path;
};
