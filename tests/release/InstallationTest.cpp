// cmake --install into a scratch prefix whose name holds a space, as an operator's folder may:
// the installed tree, its desktop entry, and the installed program run from an unrelated folder.
#include "ProgramProcess.h"
#include "PtyFarEnd.h"
#include "TempFolder.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace std::chrono_literals;
using testing::HasSubstr;
using testing::Not;
namespace fs = std::filesystem;

QString Text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Runs a command to its end: what it printed, or nothing when it failed.
std::optional<std::string> RunCommand(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

class Installation : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Install()); }

    bool Install() const {
        return RunCommand(QUENDIX_CMAKE, {"--install", QUENDIX_BUILD_DIR, "--prefix", Text(prefix)})
            .has_value();
    }
    std::string Read(const char* relative) const { return TempFolder::ReadAll(prefix / relative); }

    // The files and empty folders (with a trailing slash) under the prefix, in order.
    std::vector<std::string> Leaves() const {
        std::vector<std::string> leaves;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(prefix)) {
            const std::string relative = entry.path().lexically_relative(prefix).string();
            if (!entry.is_directory())
                leaves.push_back(relative);
            else if (fs::is_empty(entry.path()))
                leaves.push_back(relative + "/");
        }
        std::sort(leaves.begin(), leaves.end());
        return leaves;
    }

    TempFolder folder;
    const fs::path prefix = folder / "Quendix Display";
};

TEST_F(Installation, HoldsTheProgramsTheirFoldersAndADesktopEntryForThePrefix) {
    const char* programs[] = {"bin/quendix", "bin/quendix-ini", "bin/quendix-plot",
                              "bin/quendix-ports", "bin/quendix-sim"};
    std::vector<std::string> expected{"INI/", "bin/DATA/", "share/applications/quendix.desktop",
                                      "share/icons/hicolor/32x32/apps/quendix.png"};
    expected.insert(expected.begin() + 2, std::begin(programs), std::end(programs));
    EXPECT_EQ(Leaves(), expected);
    // Nothing leads into the build tree, which an installation outlives.
    for (const char* program : programs) {
        const auto dynamic = RunCommand("readelf", {"--dynamic", Text(prefix / program)});
        ASSERT_TRUE(dynamic) << program;
        EXPECT_THAT(*dynamic, Not(HasSubstr(QUENDIX_BUILD_DIR))) << program;
        EXPECT_THAT(*dynamic, Not(HasSubstr(QUENDIX_SOURCE_DIR))) << program;
    }

    // Full paths, so that the entry works when copied among the user's own entries.
    const std::string program = (prefix / "bin/quendix").string();
    const std::string entry = Read("share/applications/quendix.desktop");
    EXPECT_THAT(entry, HasSubstr("\nTryExec=" + program + "\n"));
    EXPECT_THAT(entry, HasSubstr("\nExec=\"" + program + "\"\n"));
    EXPECT_THAT(entry, HasSubstr("\nIcon=" + (prefix / expected.back()).string() + "\n"));
}

TEST_F(Installation, ProgramKeepsItsLogAndSettingsInTheInstallation) {
    PtyFarEnd unit;
    const QString ini = Text(prefix / "INI/Quendix.ini");
    const QString log = Text(prefix / "bin/DATA/QuendixLog.txt");
    // The port map written with the installed port finder, as an operator does: into the
    // installation's own INI file, which it finds as the program does.
    ASSERT_TRUE(RunCommand(Text(prefix / "bin/quendix-ports"),
                           {"--map", "COM1", QString::fromStdString(unit.SlavePath())}));
    const QString tool = Text(prefix / "bin/quendix-ini");
    ASSERT_TRUE(RunCommand(tool, {ini, "Settings", "Period", "1"}));

    ProgramProcess program(prefix / "bin/quendix");
    program.Start();
    // The first interrogation goes out one period after the start; allow for a slow machine.
    EXPECT_EQ(unit.Read(5, 10s), "$10%\n");
    unit.Write("$123.4 ^^^^\r\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Read("bin/DATA/QuendixLog.txt").ends_with(",TelGrm:$123.4 ^^^^\r\n"); },
        10000))
        << Read("bin/DATA/QuendixLog.txt");
    program.Terminate();
    EXPECT_THAT(Read("INI/Quendix.ini"), HasSubstr("\r\n[MainFrameState]\r\nSettings="));

    // The installed plot finds the settings beside its installation: feet, as the operator chose.
    ASSERT_TRUE(RunCommand(tool, {ini, "Settings", "Units", "1"}));
    const TempFolder pictures;
    ASSERT_TRUE(
        RunCommand(Text(prefix / "bin/quendix-plot"), {log, "-o", Text(pictures / "run.svg")}));
    EXPECT_THAT(TempFolder::ReadAll(pictures / "run.svg"), HasSubstr(">Range (ft at 1500 m/s)<"));

    // Installing again, as an update does, leaves the operator's files alone.
    const std::string logged = Read("bin/DATA/QuendixLog.txt");
    const std::string chosen = Read("INI/Quendix.ini");
    ASSERT_TRUE(Install());
    EXPECT_EQ(Read("INI/Quendix.ini"), chosen);
    EXPECT_EQ(Read("bin/DATA/QuendixLog.txt"), logged);
}

} // namespace
