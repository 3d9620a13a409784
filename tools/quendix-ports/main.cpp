// quendix-ports: the port finder. Lists what COM1 to COM32 and the settings' port lead to, and
// why each can or cannot be opened, in the program's own words, opening nothing; --map stores a
// port's device or network address in the INI file.

#include "CPrivateProfile.h"
#include "CSerialDevice.h"
#include "PathFunctions.h"
#include "PortDiagnosis.h"
#include "PortDiscovery.h"
#include "PortMapping.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

namespace {

constexpr const char* DESCRIPTION =
    "Lists COM1 to COM32 and the settings' port: the device or network address each leads to\n"
    "(\"[Ports]\" when the INI file maps it), whether it is present, its stable names, whether\n"
    "this user may open it and whether another program holds it. Nothing is opened.\n"
    "--map PORT TARGET writes PORT=TARGET into section [Ports]: a device (prefer a stable\n"
    "/dev/serial/by-id name, which stays with the adapter), or socket://HOST:PORT (raw TCP) or\n"
    "rfc2217://HOST:PORT (RFC 2217) for a serial device server on the network.";
constexpr std::size_t NAME_WIDTH = 7;

// A port's line and, for a device, its stable names on lines of their own.
void ListPort(const PortNamespace& ports, const std::string& port) {
    std::cout << port << std::string(NAME_WIDTH - std::min(NAME_WIDTH - 1, port.size()), ' ')
              << PortDiagnosis(ports).Survey(port) << "\n";
    for (const std::string& name : CSerialDevice(ports.Resolve(port)).StableNames())
        std::cout << std::string(NAME_WIDTH + 2, ' ') << name << "\n";
}

void ListPorts(const std::shared_ptr<CPrivateProfile>& pProfile) {
    const PortNamespace ports = PortNamespace::OfProfile(pProfile);
    const std::string current = pProfile->GetProfileString("Settings", "ComPort", "COM1");
    std::cout << "INI file " << pProfile->GetPath().string() << "; the settings use " << current
              << ".\n";
    bool bCurrentListed = false;
    for (int n = 1; n <= HIGHEST_PORT_PROBED; ++n) {
        const std::string port = "COM" + std::to_string(n);
        ListPort(ports, port);
        bCurrentListed = bCurrentListed || port == current;
    }
    if (!bCurrentListed)
        ListPort(ports, current);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUENDIX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(DESCRIPTION));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption ini("ini", "The INI file (default: the installation's).", "FILE");
    const QCommandLineOption map("map", "Map PORT to TARGET in section [Ports].");
    parser.addOptions({ini, map});
    parser.addPositionalArgument("PORT TARGET", "With --map: COM1 to COM32, and a device or URL.",
                                 "[--map PORT TARGET]");
    const bool bParsed = parser.parse(QCoreApplication::arguments());
    if (bParsed && parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (bParsed && parser.isSet(version))
        parser.showVersion();
    const QStringList arguments = parser.positionalArguments();
    if (!bParsed || arguments.size() != (parser.isSet(map) ? 2 : 0)) {
        std::cerr << "quendix-ports: "
                  << (bParsed ? "--map takes a port and a target, and nothing else takes arguments"
                              : parser.errorText().toStdString())
                  << "\n"
                  << parser.helpText().toStdString();
        return 2;
    }
    const auto pProfile = std::make_shared<CPrivateProfile>(
        parser.isSet(ini) ? parser.value(ini).toStdString() : IniFilePath(ProgramParentPath()));
    if (parser.isSet(map))
        return MapPort(*pProfile, arguments[0].toStdString(), arguments[1].toStdString(), std::cout,
                       std::cerr);
    ListPorts(pProfile);
    return 0;
}
