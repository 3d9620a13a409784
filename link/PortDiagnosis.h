#pragma once
// Why the serial link did or did not open, in the operator's words with the fix: the port name
// and the device it leads to, the device's presence, its group and this user's membership, the
// program that holds it, and the serial devices present instead.

#include "LinkState.h"
#include "PortNamespace.h"

#include <string>
#include <string_view>

class CSerialLink;

class PortDiagnosis {
public:
    explicit PortDiagnosis(PortNamespace ports) : m_ports(std::move(ports)) {}

    // The link's state after an opening, or after its port was lost. Cheap enough for every
    // interrogation tick: a few file-system calls, no search through the processes.
    LinkState Classify(const CSerialLink& link, std::string_view port, std::string_view baud) const;
    // One line: "COM1 → /dev/ttyUSB0: permission denied — ..., then log in again".
    std::string Describe(const LinkState& state) const;

private:
    LinkState::Cause Obstacle(const LinkState& state) const;
    std::string Reason(const LinkState& state) const;
    // The serial devices present under the port names COM1 to COM32, with their stable names.
    std::string PresentDevices() const;

    const PortNamespace m_ports;
};
