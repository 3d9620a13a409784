// quendix-ports: the port finder. Lists what COM1 to COM32 and the settings' port lead to, and
// why each can or cannot be opened; --map stores a port's device in the INI file.

#include "CPrivateProfile.h"
#include "PathFunctions.h"
#include "PortListing.h"
#include "PortMapping.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* USAGE =
    "usage: quendix-ports [--ini FILE]\n"
    "       quendix-ports [--ini FILE] --map PORT DEVICE\n"
    "Lists COM1 to COM32 and the settings' port: the device each leads to (\"[Ports]\" when the\n"
    "INI file maps it), whether it is present, its stable names, whether this user may open it\n"
    "and whether another program holds it. --map writes PORT=DEVICE into section [Ports];\n"
    "prefer a stable /dev/serial/by-id name, which stays with the adapter.\n"
    "FILE is by default the installation's INI/Quendix.ini.\n";

struct Options {
    std::string ini;
    std::vector<std::string> map; // PORT and DEVICE
    bool bHelp = false;
};

// Nothing when the arguments make no command.
std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::size_t left = args.size() - i - 1;
        if (args[i] == "--help" || args[i] == "-h") {
            options.bHelp = true;
        } else if (args[i] == "--ini" && left >= 1) {
            options.ini = args[++i];
        } else if (args[i] == "--map" && left >= 2 && options.map.empty()) {
            options.map = {args[i + 1], args[i + 2]};
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// The INI file beside the installation this tool belongs to, found as the program finds it.
std::string InstallationIni() {
    std::string parentPath = MfxGetModulePathName();
    MfxPathToParentPath(parentPath);
    return HostPath(parentPath + "..\\INI\\Quendix.ini");
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<Options> options =
        ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options || options->bHelp) {
        (options ? std::cout : std::cerr) << USAGE;
        return options ? 0 : 2;
    }
    CPrivateProfile profile(options->ini.empty() ? InstallationIni() : options->ini);
    if (!options->map.empty())
        return MapPort(profile, options->map[0], options->map[1], std::cout, std::cerr);
    ListPorts(profile, std::cout);
    return 0;
}
