#include "PortListing.h"

#include "CPrivateProfile.h"
#include "CSerialDevice.h"
#include "PortDiscovery.h"
#include "PortNamespace.h"

#include <ostream>
#include <string>

namespace {

constexpr std::size_t NAME_WIDTH = 7;

// As the program resolves port names: section [Ports] of its INI file, then the fixed table.
PortNamespace IniPorts(CPrivateProfile& profile) {
    return PortNamespace(
        [&profile](std::string_view port) { return profile.GetProfileString("Ports", port, ""); });
}

// Whether the device is there, may be opened by this user, and is free.
std::string Presence(const PortNamespace& ports, const std::string& port,
                     const CSerialDevice& device) {
    if (!device.Exists())
        return "absent";
    if (!device.IsCharacterDevice())
        return "not a serial device";
    if (!ports.DeviceExists(port))
        return "absent (no UART behind it)";
    const std::string problem = device.AccessProblem();
    const std::string holder = device.Holder();
    return "present; " + (problem.empty() ? "this user may open it" : problem) + "; " +
           (holder.empty() ? "free" : "held by " + holder);
}

void ListPort(CPrivateProfile& profile, const std::string& port, std::ostream& out) {
    const PortNamespace ports = IniPorts(profile);
    const std::string path = ports.Resolve(port);
    out << port << std::string(NAME_WIDTH - std::min(NAME_WIDTH - 1, port.size()), ' ');
    if (path.empty()) {
        out << "no device: map the name in [Ports] (quendix-ports --map)\n";
        return;
    }
    const CSerialDevice device(path);
    const std::string target = device.Target();
    out << path << (profile.GetProfileString("Ports", port, "").empty() ? "" : " [Ports]")
        << (target.empty() || target == path ? "" : " → " + target) << ": "
        << Presence(ports, port, device) << "\n";
    for (const std::string& name : device.StableNames())
        out << std::string(NAME_WIDTH + 2, ' ') << name << "\n";
}

} // namespace

void ListPorts(CPrivateProfile& profile, std::ostream& out) {
    const std::string current = profile.GetProfileString("Settings", "ComPort", "COM1");
    out << "INI file " << profile.GetPath().string() << "; the settings use " << current << ".\n";
    bool bCurrentListed = false;
    for (int n = 1; n <= HIGHEST_PORT_PROBED; ++n) {
        const std::string port = "COM" + std::to_string(n);
        ListPort(profile, port, out);
        bCurrentListed = bCurrentListed || port == current;
    }
    if (!bCurrentListed)
        ListPort(profile, current, out);
}
