#include "PortDiagnosis.h"

#include "CSerialDevice.h"
#include "CSerialLink.h"
#include "NetworkAddress.h"
#include "PortDiscovery.h"
#include "PortText.h"

#include <QHostInfo>
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

bool IsNetwork(const LinkState& state) {
    return NetworkAddress::IsNetworkName(state.device);
}

// The last line a server sent, without its line end: its reason for closing, when it gave one.
std::string LastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text.substr(text.find_last_of("\r\n") + 1);
}

std::string ServerClosed(const std::string& words) {
    std::string text = "the server closed the connection" +
                       (words.empty() ? std::string() : " (\"" + words + "\")");
    if (words.starts_with("Port already in use"))
        return text + " — another client has the port: close it, or let the server take the "
                      "newest client (ser2net: kickolduser: true)";
    if (words.starts_with("Device open failure"))
        return text + " — the server could not open its serial device: check the device and its "
                      "settings on the server";
    return text + " — the display connects again by itself";
}

} // namespace

LinkState PortDiagnosis::Classify(const CSerialLink& link, std::string_view port,
                                  std::string_view baud) const {
    const PortReport report = link.Report();
    LinkState state{Cause::Connected, std::string(port), m_ports.Resolve(port), std::string(baud),
                    report.error};
    if (link.IsConnected())
        state.cause = report.cause;
    else if (link.IsOpening())
        state.cause = Cause::Connecting;
    else if (link.IsLost() && !IsNetwork(state))
        state.cause = Cause::Lost;
    else if (const Cause obstacle = Obstacle(state); obstacle != Cause::Connected)
        state.cause = obstacle;
    else
        state.cause = report.cause;
    if (state.cause == Cause::ServerClosed)
        state.error = LastLine(report.greeting);
    return state;
}

// What stands in the way that the files and the settings show; Connected when nothing does, and
// the report then tells.
LinkState::Cause PortDiagnosis::Obstacle(const LinkState& state) const {
    const CSerialDevice device(state.device);
    if (state.device.empty())
        return Cause::UnknownName;
    if (ParseBaudRate(state.baud) <= 0)
        return Cause::BadRate;
    if (IsNetwork(state))
        return NetworkAddress::Parse(state.device).error.empty() ? Cause::Connected
                                                                 : Cause::BadAddress;
    if (!device.Exists())
        return Cause::NoDevice;
    if (!device.IsCharacterDevice())
        return Cause::NotSerial;
    if (!device.IsPresent())
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
        text += " → " + state.device +
                (target == state.device || IsNetwork(state) ? "" : InBrackets(target));
    }
    if (state.cause == Cause::BadRate)
        return text + ": the baud rate \"" + state.baud + "\" is no rate — choose one in Settings";
    return text + ": " + (IsNetwork(state) ? NetworkReason(state) : Reason(state));
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
    default:
        break;
    }
    return "did not open at " + Settings(state) + InBrackets(state.error) +
           " — choose another baud rate in Settings, or check the device";
}

std::string PortDiagnosis::NetworkReason(const LinkState& state) const {
    const NetworkAddress address = NetworkAddress::Parse(state.device);
    const bool bRfc2217 = address.protocol == NetworkAddress::Protocol::Rfc2217;
    const std::string host = address.host.toStdString();
    switch (state.cause) {
    case Cause::Connected:
        return bRfc2217 ? "connected at " + Settings(state) + " (RFC 2217)"
                        : "connected (raw TCP: the server sets the line; the unit wants " +
                              Settings(state) + ")";
    case Cause::NoComPort:
        return "connected, but the server takes no line settings (a plain telnet port) — set " +
               Settings(state) + " on the server";
    case Cause::BadAddress:
        return "no network address: " + address.error + " — write " + NetworkAddress::FORMS +
               " in section [Ports] (quendix-ports --map " + state.port + " URL)";
    case Cause::HostNotFound:
        return "host name " + host +
               " not found — check the name, or write the server's IP "
               "address";
    case Cause::ConnectionRefused:
        return "connection refused — nothing listens at port " + std::to_string(address.port) +
               " of " + host + ": start the server, or check the port number";
    case Cause::NetworkUnreachable:
        return "network unreachable" + InBrackets(state.error) +
               " — check the cable and this computer's network settings";
    case Cause::NoAnswer:
        return state.error + " — check that the server is on and reachable (ping " + host +
               "), or allow longer with ?timeout=SECONDS";
    case Cause::ServerClosed:
        return ServerClosed(state.error);
    case Cause::TelnetServer:
        return "the server speaks telnet (its first byte is 0xFF): an RFC 2217 port — map " +
               state.port + " to rfc2217://" + host + ":" + std::to_string(address.port);
    case Cause::NoTelnet:
        return state.error + ": a raw TCP port? — map " + state.port + " to socket://" + host +
               ":" + std::to_string(address.port);
    default:
        return "network error" + InBrackets(state.error) +
               " — the display connects again by itself";
    }
}

std::string PortDiagnosis::Survey(std::string_view port) const {
    const std::string target = m_ports.Resolve(port);
    const std::string mapped = m_ports.IsMapped(port) ? " [Ports]" : "";
    if (target.empty())
        return "no device: map the name in [Ports] (quendix-ports --map)";
    if (NetworkAddress::IsNetworkName(target)) {
        const NetworkAddress address = NetworkAddress::Parse(target);
        if (!address.error.empty())
            return target + mapped + ": no network address: " + address.error;
        const QHostInfo host = QHostInfo::fromName(address.host);
        return target + mapped + ": network port (" +
               (address.protocol == NetworkAddress::Protocol::Rfc2217 ? "RFC 2217" : "raw TCP") +
               "); " +
               (host.error() == QHostInfo::NoError
                    ? "host " + address.host.toStdString() + " is " +
                          host.addresses().constFirst().toString().toStdString()
                    : "host name " + address.host.toStdString() + " not found");
    }
    const CSerialDevice device(target);
    const std::string resolved = device.Target();
    std::string text =
        target + mapped + (resolved.empty() || resolved == target ? "" : " → " + resolved) + ": ";
    if (!device.Exists())
        return text + "absent";
    if (!device.IsCharacterDevice())
        return text + "not a serial device";
    if (!device.IsPresent())
        return text + "absent (no UART behind it)";
    const std::string problem = device.AccessProblem();
    const std::string holder = device.Holder();
    return text + "present; " + (problem.empty() ? "this user may open it" : problem) + "; " +
           (holder.empty() ? "free" : "held by " + holder);
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
