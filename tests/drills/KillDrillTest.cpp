// kill -9 of the display while the simulator floods it with telegrams: the log holds only whole
// lines ending in CR LF, every line written before the kill is still there, the INI file is as
// it was, and the next start appends after the old lines.
#include "Installation.h"
#include "Simulator.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {

constexpr int KILLS = 3;
constexpr std::size_t LINES_PER_RUN = 150;

const std::regex LOG_LINE(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d,Tpdr:10,Rng:-?\d+\.\d{3}ms,)"
                          R"(Offset:\d+\.\d{3}ms,TelGrm:\$\d+\.\d (\^\^\^\^|<<--|-->>|\?\?)\r)");

// The log up to its last CR LF: the lines the program finished.
std::string WholeLinesOf(const std::string& log) {
    const std::size_t end = log.rfind("\r\n");
    return end == std::string::npos ? std::string() : log.substr(0, end + 2);
}

std::size_t WholeLineCount(const Installation& installation) {
    const std::string lines = WholeLinesOf(installation.Log());
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
}

void ExpectOnlyWholeLogLines(const std::string& log) {
    EXPECT_EQ(WholeLinesOf(log), log) << "half a line at the end";
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);)
        ASSERT_TRUE(std::regex_match(line, LOG_LINE)) << line;
}

TEST(Drill, KilledDuringAFloodLeavesOnlyWholeLogLinesAndAnUntouchedIniFile) {
    Simulator unit({"--flood", "5000", "--delay", "0"});
    ASSERT_FALSE(unit.Link().empty());
    const std::string ini = UnitIni(unit.Link());
    Installation installation(ini);

    // Each start appends after what the killed one left: the locks on the log and on the port
    // died with the process.
    for (int kill = 0; kill < KILLS; ++kill) {
        const std::size_t linesBefore = WholeLineCount(installation);
        installation.Program().Start();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return WholeLineCount(installation) >= linesBefore + LINES_PER_RUN; }, 20000));
        const std::string beforeKill = WholeLinesOf(installation.Log());
        installation.Program().Kill();
        EXPECT_TRUE(installation.Log().starts_with(beforeKill));
        ExpectOnlyWholeLogLines(installation.Log());
        EXPECT_EQ(installation.Ini(), ini);
    }
}

} // namespace
