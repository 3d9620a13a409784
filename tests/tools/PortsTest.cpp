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

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The tool with the arguments; through a launcher (such as setpriv) when one is given.
Outcome Ports(QStringList args, QStringList launcher = {}) {
    QProcess process;
    args = launcher + QStringList{QUENDIX_PORTS_BINARY} + args;
    const QString program = args.takeFirst();
    process.start(program, args);
    const bool bEnded = process.waitForFinished(30000);
    return {bEnded ? process.exitCode() : -1, process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

class PortsTool : public testing::Test {
protected:
    PortsTool() {
        TempFolder::WriteAll(ini, "[Ports]\r\nCOM1=" + unit.SlavePath() + "\r\nCOM2=" + absent +
                                      "\r\n[Settings]\r\nComPort=COM7\r\n");
    }

    QString Ini() const { return QString::fromStdString(ini.string()); }

    TempFolder folder;
    PtyFarEnd unit;
    const std::filesystem::path ini = folder / "Quendix.ini";
    const std::string absent = (folder / "absent").string();
};

TEST_F(PortsTool, ListsWhatEachNameLeadsToAndWhoHoldsIt) {
    const int held = open(unit.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    const Outcome run = Ports({"--ini", Ini()});
    close(held);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("; the settings use COM7.\nCOM1   " + unit.SlavePath() +
                                   " [Ports]: present; this user may open it; held by pid " +
                                   std::to_string(getpid()) + " (ports_tests)\nCOM2   " + absent +
                                   " [Ports]: absent\nCOM3   /dev/ttyS2"));
    EXPECT_THAT(run.out, HasSubstr("\nCOM32  /dev/ttyACM11"));
}

struct MapCase {
    QStringList args;
    int status;
    std::string message;
};

TEST_F(PortsTool, MapsOnlyAKnownNameToADeviceThatIsThere) {
    const std::string before = TempFolder::ReadAll(ini);
    const QString pty = QString::fromStdString(unit.SlavePath());
    const MapCase refused[] = {
        {{"--map", "COM0", pty}, 2, "\"COM0\" is no port name: use COM1 to COM32"},
        {{"--map", "COM33", pty}, 2, "\"COM33\" is no port name"},
        {{"--map", "COM5", QString::fromStdString(absent)}, 1, absent + " does not exist"},
        {{"--map", "COM5", Ini()}, 1, ini.string() + " is not a serial device"},
        {{"--ini", Ini() + ".d/Quendix.ini", "--map", "COM5", pty}, 1, "cannot be written"},
        {{"--map", "COM5"}, 2, "usage: quendix-ports"},
    };
    for (const MapCase& c : refused) {
        const Outcome run = Ports(QStringList{"--ini", Ini()} + c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_THAT(run.err, HasSubstr(c.message));
        EXPECT_EQ(TempFolder::ReadAll(ini), before) << c.message;
    }
    EXPECT_EQ(Ports({"--ini", Ini(), "--map", "com5", pty}).status, 0);
    const std::string mapped = absent + "\r\nCOM5=" + unit.SlavePath() + "\r\n[Settings]";
    EXPECT_THAT(TempFolder::ReadAll(ini), HasSubstr(mapped));
}

// The new operator's case: a device of group dialout, and a user who is not in it.
TEST_F(PortsTool, TellsAUserWhoMayNotOpenTheDeviceHowToGetIn) {
    const group* dialout = getgrnam("dialout");
    if (geteuid() != 0 || !dialout || access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "needs root, group dialout and setpriv to hand the device to the group "
                        "and run as user nobody";
    ASSERT_EQ(chown(unit.SlavePath().c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(chmod(unit.SlavePath().c_str(), 0660), 0);
    ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    const Outcome run = Ports({"--ini", Ini()}, {"/usr/bin/setpriv", "--reuid=nobody",
                                                 "--regid=nogroup", "--clear-groups"});
    EXPECT_THAT(run.out, HasSubstr(unit.SlavePath() +
                                   " [Ports]: present; permission denied — the device belongs "
                                   "to group dialout and user nobody is not in it: sudo usermod "
                                   "-aG dialout nobody, then log in again; free\n"));
}

} // namespace
