#include "PortMapping.h"

#include "CPrivateProfile.h"
#include "CSerialDevice.h"
#include "NetworkAddress.h"
#include "PortDiscovery.h"
#include "PortText.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace {

// Why the target is nothing a port may lead to, and the exit status that says so; "" when it
// is a serial device or a network address.
std::pair<std::string, int> Refusal(const std::string& target) {
    if (NetworkAddress::IsNetworkName(target)) {
        const std::string problem = NetworkAddress::Parse(target).error;
        return {problem.empty() ? ""
                                : "\"" + target + "\" is no network address: " + problem +
                                      " — write " + NetworkAddress::FORMS,
                2};
    }
    const CSerialDevice serial(target);
    if (!serial.Exists())
        return {target + " does not exist: plug the device in, or check its name (quendix-ports "
                         "lists them)",
                1};
    return {serial.IsCharacterDevice() ? "" : target + " is not a serial device", 1};
}

} // namespace

int MapPort(CPrivateProfile& profile, const std::string& port, std::string target,
            std::ostream& out, std::ostream& err) {
    const int number = ComPortNumber(port);
    if (number < 1 || number > HIGHEST_PORT_PROBED) {
        err << "quendix-ports: \"" << port << "\" is no port name: use COM1 to COM32\n";
        return 2;
    }
    std::error_code error;
    if (!NetworkAddress::IsNetworkName(target))
        target = std::filesystem::absolute(target, error).string();
    const auto [refusal, status] = Refusal(target);
    const std::string name = "COM" + std::to_string(number);
    const std::string ini = profile.GetPath().string();
    if (!refusal.empty() || !profile.WriteProfileString("Ports", name, target)) {
        err << "quendix-ports: "
            << (refusal.empty() ? name + " not mapped: " + ini + " cannot be written" : refusal)
            << "\n";
        return refusal.empty() ? 1 : status;
    }
    out << name << " → " << target << " in " << ini << "\n";
    // The device's stable name when it was given by another: the one that survives replugging.
    const std::vector<std::string> names = CSerialDevice(target).StableNames();
    if (!names.empty() && std::find(names.begin(), names.end(), target) == names.end())
        out << "Its stable name, which stays with it when adapters are plugged in another order: "
            << names.front() << "\n";
    return 0;
}
