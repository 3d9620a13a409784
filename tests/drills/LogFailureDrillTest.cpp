// The log cannot be opened: its DATA folder is missing or read-only, or a second copy of the
// program holds it. The failure box comes before the window and holds the start-up; offscreen
// nobody can answer it, so the drill answers it with SIGTERM, which closes it first. The program
// then finishes its start-up and closes the normal way: no log written, the log it could not
// open as it was, the INI file saved. A first copy holding the log logs on meanwhile.
// The log's disk fills while the program logs, then has room again: the replies meanwhile are
// missing from the log, none is damaged, and the first reply after is logged whole.
#include "CPrivateProfile.h"
#include "DrillSupport.h"
#include "LogLine.h"
#include "PrivateMounts.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Longer than the interrogation period: a start-up that went on would have interrogated.
constexpr auto HOLD = 1500ms;
constexpr double IDLE_CPU_SHARE = 0.1;
const std::string OLD_LINE =
    "06/12/26,10:00:00,Tpdr:10,Rng:1.000ms,Offset:0.000ms,TelGrm:$1.5 ^^^^\r\n";

// The start-up held by the failure box: idle, running, without the log.
void ExpectHeldByTheFailureBox(const ProgramProcess& program, const Installation& installation) {
    EXPECT_LT(CpuShareOver(program, HOLD), IDLE_CPU_SHARE);
    EXPECT_FALSE(HoldsOpen(program, installation.LogPath()));
}

// The frame saved its placement at its close, the document its settings after it.
void ExpectSavedOnClose(const Installation& installation) {
    CPrivateProfile ini(installation.IniPath());
    EXPECT_NE(ini.GetProfileString("MainFrameState", "Settings", ""), "");
    EXPECT_EQ(ini.GetProfileString("Settings", "LogFileName", ""), "QuendixLog.txt");
}

// Started without a log: held, not interrogating, until SIGTERM closes it the normal way.
void ExpectHeldUntilTerminated(Installation& installation, PtyFarEnd& unit,
                               const QStringList& launcher = {}) {
    installation.Program().Start(launcher);
    ASSERT_TRUE(WaitUntilItCatchesSigterm(installation.Program()));
    ExpectHeldByTheFailureBox(installation.Program(), installation);
    EXPECT_EQ(unit.Read(1, 0ms), "") << "interrogated before the box was answered";
    installation.Program().Terminate();
    ExpectSavedOnClose(installation);
}

TEST(Drill, MissingDataFolderHoldsTheStartUpUntilTheBoxIsAnswered) {
    PtyFarEnd unit;
    Installation installation(UnitIni(unit.SlavePath()));
    fs::remove_all(installation.DataFolder());
    ExpectHeldUntilTerminated(installation, unit);
    EXPECT_FALSE(fs::exists(installation.DataFolder()));
}

TEST(Drill, ReadOnlyDataFolderLeavesTheLogAsItWas) {
    PtyFarEnd unit;
    Installation installation(UnitIni(unit.SlavePath()));
    const std::string why = WhyNoPrivateMounts(installation.DataFolder());
    if (!why.empty())
        GTEST_SKIP() << "Root writes into any folder whatever its mode; " << why;
    TempFolder::WriteAll(installation.LogPath(), OLD_LINE);
    ExpectHeldUntilTerminated(installation, unit, PrivateMounts(installation.DataFolder()));
    EXPECT_EQ(installation.Log(), OLD_LINE);
}

TEST(Drill, SecondCopyGetsNoLogWhileTheFirstLogsOn) {
    PtyFarEnd unit;
    Installation installation(UnitIni(unit.SlavePath()));
    installation.Program().Start();
    Exchange(unit, installation, "$100.0 ^^^^");

    ProgramProcess second(installation.ProgramPath());
    second.Start();
    ASSERT_TRUE(WaitUntilItCatchesSigterm(second));
    Exchange(unit, installation, "$200.0 <<--");
    ExpectHeldByTheFailureBox(second, installation);
    second.Terminate();
    ExpectSavedOnClose(installation);

    Exchange(unit, installation, "$300.0 -->>");
    installation.Program().Terminate();
    EXPECT_EQ(installation.Telegrams(), "$100.0 ^^^^\r\n$200.0 <<--\r\n$300.0 -->>\r\n");
}

TEST(Drill, FullDiskLosesTheRepliesMeanwhileAndDamagesNoLine) {
    PtyFarEnd unit;
    Installation installation(UnitIni(unit.SlavePath()));
    const std::string why = WhyNoPrivateMounts({}, installation.DataFolder());
    if (!why.empty())
        GTEST_SKIP() << "The disk to fill is one of the drill's own; " << why;
    installation.Program().Start(PrivateMounts({}, installation.DataFolder()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return HoldsOpen(installation.Program(), installation.LogPath()); }, 10000));
    // The program's DATA folder, which only its namespace has on the small disk.
    const fs::path data = fs::path("/proc") / std::to_string(installation.Program().Pid()) /
                          "root" / installation.DataFolder().relative_path();
    const fs::path log = data / installation.LogPath().filename();
    // Old lines up to where the log's last page on the disk has room for a part of a line only:
    // once the disk is full, the next line gets that far.
    std::string old;
    while (old.size() + OLD_LINE.size() <= static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)))
        old += OLD_LINE;
    TempFolder::WriteAll(log, old);
    std::ofstream(data / "filler") << std::string(1 << 20, 'x');

    const std::string replies[] = {"$100.0 ^^^^", "$200.0 <<--", "$300.0 -->>"};
    for (const std::string& reply : replies) {
        // An interrogation comes after the program has dealt with the reply before it.
        ASSERT_EQ(unit.Read(5, 10s), "$10%\n");
        if (reply == replies[2])
            fs::remove(data / "filler");
        ASSERT_TRUE(unit.Write(reply + "\r\n"));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return TempFolder::ReadAll(log).size() > old.size(); }));
    const std::string after = TempFolder::ReadAll(log);
    installation.Program().Terminate();

    ASSERT_TRUE(after.starts_with(old)) << "old lines damaged";
    // Of the three replies the one after the disk had room again, whole.
    const std::string added = after.substr(old.size());
    const std::optional<LogLine> line =
        ParseLogLine(std::string_view(added).substr(0, added.size() - 2));
    EXPECT_TRUE(added.ends_with("\r\n") && line && line->telegram == replies[2]) << added;
}

} // namespace
