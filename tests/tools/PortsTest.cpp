// quendix-ports run as the operator runs it, on an INI file of the test's whose section [Ports]
// maps COM1 to a pseudo-terminal and COM2 to a device that is not there.
#include "PtyFarEnd.h"
#include "TempFolder.h"

#include <QProcess>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing::HasSubstr;

class PortsTool : public testing::Test {
protected:
    PortsTool() {
        TempFolder::WriteAll(ini, "[Ports]\r\nCOM1=" + unit.SlavePath() + "\r\nCOM2=" + absent +
                                      "\r\nCOM3=rfc2217://127.0.0.1:2001\r\nCOM4=socket://" +
                                      "nohost.invalid:2001\r\n[Settings]\r\nComPort=COM7\r\n");
    }

    // The tool on the INI file, through the launcher (such as setpriv) when one is given: its
    // exit status and what it printed.
    std::pair<int, std::string> Ports(const QStringList& args, QStringList launcher = {}) const {
        launcher << QUENDIX_PORTS_BINARY << "--ini" << QString::fromStdString(ini.string());
        const QString program = launcher.takeFirst();
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, launcher + args);
        const bool bEnded = process.waitForFinished(30000);
        return {bEnded ? process.exitCode() : -1, process.readAll().toStdString()};
    }

    TempFolder folder;
    PtyFarEnd unit;
    const std::filesystem::path ini = folder / "Quendix.ini";
    const std::string absent = (folder / "absent").string();
};

TEST_F(PortsTool, ListsWhatEachNameLeadsToAndWhoHoldsIt) {
    const int held = open(unit.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    const std::string listed = Ports({}).second;
    close(held);
    EXPECT_THAT(listed, HasSubstr("; the settings use COM7.\nCOM1   " + unit.SlavePath() +
                                  " [Ports]: present; this user may open it; held by pid " +
                                  std::to_string(getpid()) + " (ports_tests)\nCOM2   " + absent +
                                  " [Ports]: absent\nCOM3   rfc2217://127.0.0.1:2001 [Ports]: "
                                  "network port (RFC 2217); host 127.0.0.1 is 127.0.0.1\n"
                                  "COM4   socket://nohost.invalid:2001 [Ports]: network port "
                                  "(raw TCP); host name nohost.invalid not found\nCOM5   "
                                  "/dev/ttyUSB0: "));
}

TEST_F(PortsTool, MapsOnlyAKnownNameToADeviceThatIsThere) {
    const std::string before = TempFolder::ReadAll(ini);
    const QString pty = QString::fromStdString(unit.SlavePath());
    const std::pair<QStringList, std::string> refused[] = {
        {{"--map", "COM0", pty}, "\"COM0\" is no port name: use COM1 to COM32"},
        {{"--map", "COM5", QString::fromStdString(absent)}, absent + " does not exist"},
        {{"--map", "COM5", "rfc2217://ship-box"},
         "\"rfc2217://ship-box\" is no network address: no port — write socket://HOST:PORT"},
        {{"--map", "COM5"}, "--map takes a port and a target"},
        {{"--ini", "/nowhere/Quendix.ini", "--map", "COM5", pty}, "cannot be written"},
    };
    for (const auto& [args, message] : refused) {
        const auto [status, output] = Ports(args);
        EXPECT_NE(status, 0) << message;
        EXPECT_THAT(output, HasSubstr(message));
        EXPECT_EQ(TempFolder::ReadAll(ini), before) << message;
    }
    EXPECT_EQ(Ports({"--map", "com5", pty}).first, 0);
    EXPECT_EQ(Ports({"--map", "COM6", "socket://[::1]:4001?timeout=5"}).first, 0);
    EXPECT_THAT(TempFolder::ReadAll(ini),
                HasSubstr("\r\nCOM5=" + unit.SlavePath() +
                          "\r\nCOM6=socket://[::1]:4001?timeout=5\r\n[Settings]"));
}

// The new operator's case: a device of group dialout, and a user who is not in it.
TEST_F(PortsTool, TellsAUserWhoMayNotOpenTheDeviceHowToGetIn) {
    const group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || !dialout || access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "needs root, group dialout and setpriv, to run as user nobody";
    ASSERT_EQ(chown(unit.SlavePath().c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(unit.SlavePath().c_str(), 0660), 0);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    const QStringList nobody = {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup",
                                "--clear-groups"};
    EXPECT_THAT(Ports({}, nobody).second,
                HasSubstr(" [Ports]: present; permission denied — the device belongs to "
                          "group dialout and user nobody is not in it: sudo usermod -aG "
                          "dialout nobody, then log in again; free\n"));
}

} // namespace
