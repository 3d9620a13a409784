// quendix-ports: the port finder. Lists what COM1 to COM32 and the settings' port lead to, and
// why each can or cannot be opened; --map stores a port's device or network address in the INI
// file.

#include "CPrivateProfile.h"
#include "PathFunctions.h"
#include "PortListing.h"
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

int Refuse(const QCommandLineParser& parser, const QString& problem) {
    std::cerr << "quendix-ports: " << problem.toStdString() << "\n"
              << parser.helpText().toStdString();
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUENDIX_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(DESCRIPTION));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption ini(QStringLiteral("ini"),
                                 QStringLiteral("The INI file (default: the installation's "
                                                "INI/Quendix.ini)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption map(QStringLiteral("map"),
                                 QStringLiteral("Map PORT to TARGET in section [Ports]."));
    parser.addOptions({ini, map});
    parser.addPositionalArgument(QStringLiteral("PORT TARGET"),
                                 QStringLiteral("With --map: COM1 to COM32, and a device path or "
                                                "socket://HOST:PORT or rfc2217://HOST:PORT."),
                                 QStringLiteral("[--map PORT TARGET]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return Refuse(parser, parser.errorText());
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != (parser.isSet(map) ? 2 : 0))
        return Refuse(parser, QStringLiteral("--map takes a port and a target, and nothing "
                                             "else takes arguments"));
    const auto pProfile = std::make_shared<CPrivateProfile>(
        parser.isSet(ini) ? parser.value(ini).toStdString() : IniFilePath(ProgramParentPath()));
    if (parser.isSet(map))
        return MapPort(*pProfile, arguments[0].toStdString(), arguments[1].toStdString(), std::cout,
                       std::cerr);
    ListPorts(pProfile, std::cout);
    return 0;
}
