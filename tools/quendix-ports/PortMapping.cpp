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

bool Write(CPrivateProfile& profile, const std::string& port, const std::string& target,
           std::ostream& out, std::ostream& err) {
    if (!profile.WriteProfileString("Ports", port, target)) {
        err << "quendix-ports: " << port << " not mapped: " << profile.GetPath().string()
            << " cannot be written\n";
        return false;
    }
    out << port << " → " << target << " in " << profile.GetPath().string() << "\n";
    return true;
}

// The device's stable name when it was given by another: the one that survives replugging.
void SuggestStableName(const CSerialDevice& device, std::ostream& out) {
    const std::vector<std::string> names = device.StableNames();
    if (!names.empty() && std::find(names.begin(), names.end(), device.Path()) == names.end())
        out << "Its stable name, which stays with it when adapters are plugged in another order: "
            << names.front() << "\n";
}

int MapToNetwork(CPrivateProfile& profile, const std::string& port, const std::string& url,
                 std::ostream& out, std::ostream& err) {
    const std::string problem = NetworkAddress::Parse(url).error;
    if (!problem.empty()) {
        err << "quendix-ports: \"" << url << "\" is no network address: " << problem << " — write "
            << NetworkAddress::FORMS << "\n";
        return 2;
    }
    return Write(profile, port, url, out, err) ? 0 : 1;
}

int MapToDevice(CPrivateProfile& profile, const std::string& port, const std::string& path,
                std::ostream& out, std::ostream& err) {
    std::error_code error;
    const CSerialDevice serial(std::filesystem::absolute(path, error).string());
    if (!serial.Exists()) {
        err << "quendix-ports: " << serial.Path()
            << " does not exist: plug the device in, or check its name (quendix-ports lists "
               "them)\n";
        return 1;
    }
    if (!serial.IsCharacterDevice()) {
        err << "quendix-ports: " << serial.Path() << " is not a serial device\n";
        return 1;
    }
    if (!Write(profile, port, serial.Path(), out, err))
        return 1;
    SuggestStableName(serial, out);
    return 0;
}

} // namespace

int MapPort(CPrivateProfile& profile, const std::string& port, const std::string& target,
            std::ostream& out, std::ostream& err) {
    const int number = ComPortNumber(port);
    if (number < 1 || number > HIGHEST_PORT_PROBED) {
        err << "quendix-ports: \"" << port << "\" is no port name: use COM1 to COM32\n";
        return 2;
    }
    const std::string name = "COM" + std::to_string(number);
    return NetworkAddress::IsNetworkName(target) ? MapToNetwork(profile, name, target, out, err)
                                                 : MapToDevice(profile, name, target, out, err);
}
