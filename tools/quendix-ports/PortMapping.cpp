#include "PortMapping.h"

#include "CPrivateProfile.h"
#include "CSerialDevice.h"
#include "PortDiscovery.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

namespace {

// "COMn" for a port the program offers (COM1 to COM32), in any case; nothing otherwise.
std::optional<std::string> PortName(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (int n = 1; n <= HIGHEST_PORT_PROBED; ++n)
        if (text == "COM" + std::to_string(n))
            return text;
    return std::nullopt;
}

// The device's stable name when it was given by another: the one that survives replugging.
void SuggestStableName(const CSerialDevice& device, std::ostream& out) {
    const std::vector<std::string> names = device.StableNames();
    if (!names.empty() && std::find(names.begin(), names.end(), device.Path()) == names.end())
        out << "Its stable name, which stays with it when adapters are plugged in another order: "
            << names.front() << "\n";
}

} // namespace

int MapPort(CPrivateProfile& profile, const std::string& port, const std::string& device,
            std::ostream& out, std::ostream& err) {
    const std::optional<std::string> name = PortName(port);
    if (!name) {
        err << "quendix-ports: \"" << port << "\" is no port name: use COM1 to COM32\n";
        return 2;
    }
    std::error_code error;
    const CSerialDevice serial(std::filesystem::absolute(device, error).string());
    const std::string ini = profile.GetPath().string();
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
    if (!profile.WriteProfileString("Ports", *name, serial.Path())) {
        err << "quendix-ports: " << *name << " not mapped: " << ini << " cannot be written\n";
        return 1;
    }
    out << *name << " → " << serial.Path() << " in " << ini << "\n";
    SuggestStableName(serial, out);
    return 0;
}
