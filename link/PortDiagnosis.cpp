#include "PortDiagnosis.h"

#include "CSerialDevice.h"
#include "CSerialLink.h"
#include "PortDiscovery.h"
#include "PortText.h"

#include <cerrno>
#include <cstring>
#include <vector>

using Cause = LinkState::Cause;

namespace {

std::string InBrackets(const std::string& text) {
    return text.empty() ? std::string() : " (" + text + ")";
}

std::string Settings(const LinkState& state) {
    return std::to_string(ParseBaudRate(state.baud)) + " baud, 8N1";
}

} // namespace

LinkState PortDiagnosis::Classify(const CSerialLink& link, std::string_view port,
                                  std::string_view baud) const {
    LinkState state{Cause::Connected, std::string(port), m_ports.Resolve(port), std::string(baud),
                    link.PortError()};
    if (!link.IsConnected())
        state.cause = link.IsLost() ? Cause::Lost : Obstacle(state);
    return state;
}

LinkState::Cause PortDiagnosis::Obstacle(const LinkState& state) const {
    const CSerialDevice device(state.device);
    if (state.device.empty())
        return Cause::UnknownName;
    if (ParseBaudRate(state.baud) <= 0)
        return Cause::BadRate;
    if (!device.Exists())
        return Cause::NoDevice;
    if (!device.IsCharacterDevice())
        return Cause::NotSerial;
    if (!m_ports.DeviceExists(state.port))
        return Cause::NoDevice;
    if (!device.AccessProblem().empty())
        return Cause::NoPermission;
    // Qt says "busy" in the system's words when a program holds the device without a lock file.
    if (device.LockHolder() != 0 || state.error == std::strerror(EBUSY))
        return Cause::Held;
    return Cause::Refused;
}

std::string PortDiagnosis::Describe(const LinkState& state) const {
    std::string text = state.port;
    if (!state.device.empty()) {
        const std::string target = CSerialDevice(state.device).Target();
        text += " → " + state.device + (target == state.device ? "" : InBrackets(target));
    }
    return text + ": " + Reason(state);
}

std::string PortDiagnosis::Reason(const LinkState& state) const {
    const CSerialDevice device(state.device);
    switch (state.cause) {
    case Cause::Connected:
        return "connected at " + Settings(state);
    case Cause::Lost:
        return "device lost — plug it back in; the display connects again by itself";
    case Cause::UnknownName:
        return "no device for this port name — choose COM1 to COM32 in Settings, or map the name "
               "in section [Ports] of the INI file (quendix-ports --map)";
    case Cause::BadRate:
        return "the baud rate \"" + state.baud + "\" is no rate — choose one in Settings";
    case Cause::NoDevice:
        return "no such device — plug the unit in, or choose the port it is on in Settings, or "
               "map " +
               state.port + " to it (quendix-ports --map " + state.port + " DEVICE); " +
               PresentDevices();
    case Cause::NotSerial:
        return "not a serial device — map " + state.port + " to one (quendix-ports --map " +
               state.port + " DEVICE)";
    case Cause::NoPermission:
        return device.AccessProblem();
    case Cause::Held: {
        const std::string holder = device.Holder();
        return holder.empty() ? "held by another program" + InBrackets(state.error) +
                                    " — close the program that uses it"
                              : "held by another program, " + holder + " — close that program";
    }
    case Cause::Refused:
        break;
    }
    return "did not open at " + Settings(state) + InBrackets(state.error) +
           " — choose another baud rate in Settings, or check the device";
}

std::string PortDiagnosis::PresentDevices() const {
    std::vector<std::string> ports;
    EnumerateComPorts(ports, HIGHEST_PORT_PROBED, m_ports);
    if (ports.empty())
        return "no serial device is present";
    std::string text = "present:";
    for (const std::string& port : ports) {
        text += " " + port + " = " + m_ports.Resolve(port);
        for (const std::string& name : CSerialDevice(m_ports.Resolve(port)).StableNames())
            text += " = " + name;
        text += ";";
    }
    text.pop_back();
    return text;
}
