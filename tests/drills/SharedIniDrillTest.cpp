// The INI file where a replacing rename would lose it: (a) a shared installation, whose INI
// folder is root's and whose file the operator's group may write; (b) one run as root over the
// operator's own installation, then the operator's next run. The real program runs as an
// unprivileged operator (setpriv), in private mounts so that it opens none of this machine's
// serial ports, and ends on SIGTERM. Every save lands: the settings and the placement are kept,
// and the file keeps its mode, owner and group.
#include "CPrivateProfile.h"
#include "DrillSupport.h"
#include "Installation.h"
#include "PrivateMounts.h"

#include <gtest/gtest.h>
#include <map>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Account {
    uid_t uid;
    gid_t gid;
};

constexpr Account ROOT{0, 0};

enum class Who { ROOT, OPERATOR };

struct SharedIniCase {
    const char* name;
    Who folderOwner;
    Who fileOwner; // the file's group is always the operator's
    fs::perms mode;
    std::vector<Who> runs;
};

void PrintTo(const SharedIniCase& drill, std::ostream* out) {
    *out << drill.name;
}

// The operator had the program save everything once; the baud rate is not stored yet.
const std::string SEEDED = "[Settings]\r\nUnits=1\r\nSoundSpeedMetric=1480.00\r\nTpdrNo=7\r\n"
                           "Period=1\r\nLogFileName=Drill.txt\r\nOffsetMetric=0.50\r\n"
                           "ComPort=COM2\r\n";
const std::map<std::string, std::string> SAVED = {{"Units", "1"},
                                                  {"SoundSpeedMetric", "1480.00"},
                                                  {"TpdrNo", "7"},
                                                  {"Period", "1"},
                                                  {"LogFileName", "Drill.txt"},
                                                  {"OffsetMetric", "0.50"},
                                                  {"ComPort", "COM2"},
                                                  {"BaudRate", "4,800"}};

class SharedIniDrill : public testing::TestWithParam<SharedIniCase> {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "Handing the installation to another user needs root";
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody)
            GTEST_SKIP() << "No unprivileged account \"nobody\" to run the program as";
        m_operator = {nobody->pw_uid, nobody->pw_gid};
        const std::string why = PrivateMounts().WhyUnavailable();
        if (!why.empty())
            GTEST_SKIP() << "The program would open this machine's own serial ports: " << why;
    }

    Account Of(Who who) const { return who == Who::ROOT ? ROOT : m_operator; }

    void HandOver(const fs::path& path, Account owner, gid_t group) const {
        ASSERT_EQ(::chown(path.c_str(), owner.uid, group), 0) << path;
    }

    QStringList LauncherFor(Who who) const {
        QStringList launcher = PrivateMounts().Launcher();
        if (who == Who::OPERATOR)
            launcher << "setpriv" << QString("--reuid=%1").arg(m_operator.uid)
                     << QString("--regid=%1").arg(m_operator.gid) << "--clear-groups";
        return launcher;
    }

    Account m_operator{};
};

void ExpectSettingsAndPlacementSaved(const fs::path& ini) {
    CPrivateProfile saved(ini);
    for (const auto& [key, value] : SAVED)
        EXPECT_EQ(saved.GetProfileString("Settings", key, "(none)"), value) << key;
    EXPECT_NE(saved.GetProfileString("MainFrameState", "Settings", ""), "");
}

TEST_P(SharedIniDrill, EverySaveLandsAndTheFileStaysTheOperators) {
    const SharedIniCase& drill = GetParam();
    Installation installation(SEEDED);
    const fs::path ini = installation.IniPath();
    const fs::path top = ini.parent_path().parent_path();
    fs::permissions(top, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
    // The log belongs to the operator too, so that every run can append to it.
    const fs::path log = installation.DataFolder() / "Drill.txt";
    TempFolder::WriteAll(log, "");
    HandOver(installation.DataFolder(), m_operator, m_operator.gid);
    HandOver(log, m_operator, m_operator.gid);
    HandOver(ini.parent_path(), Of(drill.folderOwner), Of(drill.folderOwner).gid);
    HandOver(ini, Of(drill.fileOwner), m_operator.gid);
    fs::permissions(ini, drill.mode);
    struct stat before {};
    ASSERT_EQ(::stat(ini.c_str(), &before), 0);

    std::string firstSave;
    for (const Who who : drill.runs) {
        SCOPED_TRACE(who == Who::ROOT ? "run as root" : "run as the operator");
        installation.Program().Start(LauncherFor(who));
        ASSERT_TRUE(WaitUntilItCatchesSigterm(installation.Program()));
        installation.Program().Terminate();

        struct stat after {};
        ASSERT_EQ(::stat(ini.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        ExpectSettingsAndPlacementSaved(ini);
        if (firstSave.empty())
            firstSave = installation.Ini();
        EXPECT_EQ(installation.Ini(), firstSave) << "a later run lost or changed what was saved";
        EXPECT_EQ(std::distance(fs::directory_iterator(ini.parent_path()), {}), 1);
    }
}

constexpr fs::perms GROUP_WRITABLE = fs::perms::owner_read | fs::perms::owner_write |
                                     fs::perms::group_read | fs::perms::group_write |
                                     fs::perms::others_read;
constexpr fs::perms OWNER_WRITABLE =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;

INSTANTIATE_TEST_SUITE_P(
    Ownership, SharedIniDrill,
    testing::Values(
        SharedIniCase{"SharedInstallation", Who::ROOT, Who::ROOT, GROUP_WRITABLE, {Who::OPERATOR}},
        SharedIniCase{"OneRunAsRoot",
                      Who::OPERATOR,
                      Who::OPERATOR,
                      OWNER_WRITABLE,
                      {Who::ROOT, Who::OPERATOR}}),
    [](const testing::TestParamInfo<SharedIniCase>& info) { return std::string(info.param.name); });

} // namespace
