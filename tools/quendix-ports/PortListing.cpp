#include "PortListing.h"

#include "CPrivateProfile.h"
#include "CSerialDevice.h"
#include "PortDiagnosis.h"
#include "PortDiscovery.h"

#include <ostream>
#include <string>

namespace {

constexpr std::size_t NAME_WIDTH = 7;

// A port's line and, for a device, its stable names on lines of their own.
void ListPort(const PortNamespace& ports, const std::string& port, std::ostream& out) {
    out << port << std::string(NAME_WIDTH - std::min(NAME_WIDTH - 1, port.size()), ' ')
        << PortDiagnosis(ports).Survey(port) << "\n";
    for (const std::string& name : CSerialDevice(ports.Resolve(port)).StableNames())
        out << std::string(NAME_WIDTH + 2, ' ') << name << "\n";
}

} // namespace

void ListPorts(const std::shared_ptr<CPrivateProfile>& pProfile, std::ostream& out) {
    const PortNamespace ports = PortNamespace::OfProfile(pProfile);
    const std::string current = pProfile->GetProfileString("Settings", "ComPort", "COM1");
    out << "INI file " << pProfile->GetPath().string() << "; the settings use " << current << ".\n";
    bool bCurrentListed = false;
    for (int n = 1; n <= HIGHEST_PORT_PROBED; ++n) {
        const std::string port = "COM" + std::to_string(n);
        ListPort(ports, port, out);
        bCurrentListed = bCurrentListed || port == current;
    }
    if (!bCurrentListed)
        ListPort(ports, current, out);
}
