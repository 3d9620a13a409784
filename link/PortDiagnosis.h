#pragma once
// Why the link did or did not open, in the operator's words with the fix, for the program and
// for the port finder alike: the port name and what it leads to; for a device, its presence,
// its group and this user's membership, the program that holds it, and the serial devices
// present instead; for a serial line on the network, what the connection or the server did.

#include "LinkState.h"
#include "PortNamespace.h"

#include <string>
#include <string_view>

class CSerialLink;

class PortDiagnosis {
public:
    explicit PortDiagnosis(PortNamespace ports) : m_ports(std::move(ports)) {}

    // The link's state after an opening, or while it runs. Cheap enough for every
    // interrogation tick: a few file-system calls, no search through the processes.
    LinkState Classify(const CSerialLink& link, std::string_view port, std::string_view baud) const;
    // One line: "COM1 → /dev/ttyUSB0: permission denied — ..., then log in again".
    std::string Describe(const LinkState& state) const;
    // What a port name leads to and whether it could be opened, found without opening it or
    // connecting to it: "/dev/ttyUSB0: present; this user may open it; free". For the port
    // finder, which may take its time (host names are looked up).
    std::string Survey(std::string_view port) const;

private:
    LinkState::Cause Obstacle(const LinkState& state) const;
    std::string Reason(const LinkState& state) const;
    std::string NetworkReason(const LinkState& state) const;
    // The serial devices present under the port names COM1 to COM32, with their stable names.
    std::string PresentDevices() const;

    const PortNamespace m_ports;
};
