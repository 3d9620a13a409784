// cmake --install into a scratch prefix whose name holds a space, as an operator's folder may:
// the installed tree, its desktop entry, and the installed program run from an unrelated folder.
#include "ProgramProcess.h"
#include "PtyFarEnd.h"
#include "TempFolder.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using testing::HasSubstr;
using testing::Not;
namespace fs = std::filesystem;

constexpr int COMMAND_WAIT_MS = 60000;
// The first interrogation goes out one period after the start; allow for a slow machine.
constexpr auto INTERROGATION_WAIT = 10s;
constexpr int LOG_WAIT_MS = 10000;

QString Text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Runs a command to its end: what it printed, or nothing when it failed.
std::optional<std::string> RunCommand(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(COMMAND_WAIT_MS) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return std::nullopt;
    }
    return process.readAllStandardOutput().toStdString();
}

class Installation {
public:
    bool Install() const {
        return RunCommand(QUENDIX_CMAKE,
                          {"--install", QUENDIX_BUILD_DIR, "--prefix", Text(m_prefix)})
            .has_value();
    }
    fs::path operator/(const fs::path& relative) const { return m_prefix / relative; }

    // Every folder and file under the prefix, folders with a trailing slash, in order.
    std::vector<std::string> Tree() const {
        std::vector<std::string> tree;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_prefix)) {
            const std::string relative = entry.path().lexically_relative(m_prefix).string();
            tree.push_back(entry.is_directory() ? relative + "/" : relative);
        }
        std::sort(tree.begin(), tree.end());
        return tree;
    }

private:
    TempFolder m_folder;
    fs::path m_prefix = m_folder / "Quendix Display";
};

TEST(Installation, HoldsTheProgramsTheirFoldersAndADesktopEntryForThePrefix) {
    const Installation installation;
    ASSERT_TRUE(installation.Install());
    EXPECT_EQ(installation.Tree(), (std::vector<std::string>{
                                       "INI/",
                                       "bin/",
                                       "bin/DATA/",
                                       "bin/quendix",
                                       "bin/quendix-ini",
                                       "bin/quendix-plot",
                                       "bin/quendix-ports",
                                       "bin/quendix-sim",
                                       "share/",
                                       "share/applications/",
                                       "share/applications/quendix.desktop",
                                       "share/icons/",
                                       "share/icons/hicolor/",
                                       "share/icons/hicolor/32x32/",
                                       "share/icons/hicolor/32x32/apps/",
                                       "share/icons/hicolor/32x32/apps/quendix.png",
                                   }));

    // Full paths, so that the entry works when copied among the user's own entries.
    const std::string program = (installation / "bin/quendix").string();
    const std::string entry =
        TempFolder::ReadAll(installation / "share/applications/quendix.desktop");
    EXPECT_THAT(entry, HasSubstr("\nTryExec=" + program + "\n"));
    EXPECT_THAT(entry, HasSubstr("\nExec=\"" + program + "\"\n"));
    EXPECT_THAT(entry,
                HasSubstr("\nIcon=" +
                          (installation / "share/icons/hicolor/32x32/apps/quendix.png").string() +
                          "\n"));
}

TEST(Installation, ProgramsLeadNowhereIntoTheBuildTree) {
    const Installation installation;
    ASSERT_TRUE(installation.Install());
    for (const char* program : {"bin/quendix", "bin/quendix-ini", "bin/quendix-plot",
                                "bin/quendix-ports", "bin/quendix-sim"}) {
        const std::optional<std::string> dynamic =
            RunCommand("readelf", {"--dynamic", Text(installation / program)});
        ASSERT_TRUE(dynamic) << program;
        EXPECT_THAT(*dynamic, Not(HasSubstr(QUENDIX_BUILD_DIR))) << program;
        EXPECT_THAT(*dynamic, Not(HasSubstr(QUENDIX_SOURCE_DIR))) << program;
    }
}

TEST(Installation, ProgramKeepsItsLogAndSettingsInTheInstallation) {
    PtyFarEnd unit;
    const Installation installation;
    ASSERT_TRUE(installation.Install());
    const fs::path ini = installation / "INI/Quendix.ini";
    const fs::path log = installation / "bin/DATA/QuendixLog.txt";
    // The port map written with the installed port finder, as an operator does: into the
    // installation's own INI file, which it finds as the program does.
    ASSERT_TRUE(RunCommand(Text(installation / "bin/quendix-ports"),
                           {"--map", "COM1", QString::fromStdString(unit.SlavePath())}));
    const QString tool = Text(installation / "bin/quendix-ini");
    ASSERT_TRUE(RunCommand(tool, {Text(ini), "Settings", "Period", "1"}));

    ProgramProcess program(installation / "bin/quendix");
    program.Start();
    EXPECT_EQ(unit.Read(5, INTERROGATION_WAIT), "$10%\n");
    unit.Write("$123.4 ^^^^\r\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return TempFolder::ReadAll(log).ends_with(",TelGrm:$123.4 ^^^^\r\n"); }, LOG_WAIT_MS))
        << TempFolder::ReadAll(log);
    program.Terminate();
    const std::string settings = TempFolder::ReadAll(ini);
    EXPECT_THAT(settings, HasSubstr("\r\nTpdrNo=10\r\n"));
    EXPECT_THAT(settings, HasSubstr("\r\n[MainFrameState]\r\nSettings="));

    // The installed plot finds the settings beside its installation: feet, as the operator chose.
    ASSERT_TRUE(RunCommand(tool, {Text(ini), "Settings", "Units", "1"}));
    const TempFolder pictures;
    ASSERT_TRUE(RunCommand(Text(installation / "bin/quendix-plot"),
                           {Text(log), "-o", Text(pictures / "run.svg")}));
    EXPECT_THAT(TempFolder::ReadAll(pictures / "run.svg"), HasSubstr(">Range (ft at 1500 m/s)<"));

    // Installing again, as an update does, leaves the operator's files alone.
    const std::string logged = TempFolder::ReadAll(log);
    const std::string chosen = TempFolder::ReadAll(ini);
    ASSERT_TRUE(installation.Install());
    EXPECT_EQ(TempFolder::ReadAll(ini), chosen);
    EXPECT_EQ(TempFolder::ReadAll(log), logged);
}

} // namespace
