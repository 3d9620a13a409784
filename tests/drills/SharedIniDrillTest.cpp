// The INI file where a replacing rename would lose it: (a) a shared installation, whose INI
// folder is root's and whose file the operator's group may write; (b) one run as root over the
// operator's own installation, then the operator's next run. The operator is the unprivileged
// account "nobody" (setpriv); private mounts keep the program off this machine's serial ports.
// Every save lands, and the file keeps its mode, owner and group.
#include "DrillSupport.h"
#include "PrivateMounts.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;

// Saved once before, all but the baud rate; the save adds it, then the placement at the end.
const std::string SEEDED = "[Settings]\r\nUnits=1\r\nSoundSpeedMetric=1480.00\r\nTpdrNo=7\r\n"
                           "Period=1\r\nLogFileName=Drill.txt\r\nOffsetMetric=0.50\r\n"
                           "ComPort=COM2\r\n";
const std::string SAVED = SEEDED + "BaudRate=4,800\r\n[MainFrameState]\r\nSettings=";

constexpr fs::perms READ_WRITE =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;

// The INI folder and file root's or the operator's, the group the operator's; then the runs, each
// as root or as the operator.
void ExpectEverySaveToLand(bool bRootHasTheIni, fs::perms mode, std::vector<bool> runsAsRoot) {
    const passwd* nobody = ::getpwnam("nobody");
    const std::string why = WhyNoPrivateMounts();
    if (::geteuid() != 0 || !nobody || !why.empty())
        GTEST_SKIP() << "Needs root, the account \"nobody\", and private mounts so that the "
                        "program opens none of this machine's serial ports. "
                     << why;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    Installation installation(SEEDED);
    const fs::path ini = installation.IniPath();
    fs::permissions(ini.parent_path().parent_path(),
                    fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    // The log is the operator's, so that every run can log.
    TempFolder::WriteAll(installation.DataFolder() / "Drill.txt", "");
    const uid_t iniOwner = bRootHasTheIni ? 0 : uid;
    for (const auto& [path, owner] : {std::pair(installation.DataFolder(), uid),
                                      {installation.DataFolder() / "Drill.txt", uid},
                                      {ini.parent_path(), iniOwner},
                                      {ini, iniOwner}})
        ASSERT_EQ(::chown(path.c_str(), owner, gid), 0) << path;
    fs::permissions(ini, mode);
    struct stat before {};
    ASSERT_EQ(::stat(ini.c_str(), &before), 0);

    for (const bool bRoot : runsAsRoot) {
        SCOPED_TRACE(bRoot ? "run as root" : "run as the operator");
        QStringList launcher = PrivateMounts();
        if (!bRoot)
            launcher << "setpriv" << QString("--reuid=%1").arg(uid)
                     << QString("--regid=%1").arg(gid) << "--clear-groups";
        installation.Program().Start(launcher);
        ASSERT_TRUE(WaitUntilItCatchesSigterm(installation.Program()));
        installation.Program().Terminate();

        struct stat after {};
        ASSERT_EQ(::stat(ini.c_str(), &after), 0);
        EXPECT_EQ(std::tie(after.st_mode, after.st_uid, after.st_gid),
                  std::tie(before.st_mode, before.st_uid, before.st_gid));
        EXPECT_TRUE(installation.Ini().starts_with(SAVED)) << installation.Ini();
    }
}

TEST(SharedIniDrill, EverySaveLandsInASharedInstallation) {
    ExpectEverySaveToLand(true, READ_WRITE | fs::perms::group_write, {false});
}

TEST(SharedIniDrill, EverySaveLandsAfterARunAsRoot) {
    ExpectEverySaveToLand(false, READ_WRITE, {true, false});
}

} // namespace
