// kill -9 of the display while the simulator floods it with telegrams: the log holds only whole
// lines ending in CR LF, every line written before the kill is still there, the INI file is as
// it was, and the next start appends after the old lines.
#include "DrillSupport.h"
#include "Installation.h"
#include "TempFolder.h"
#include "WaitUntil.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <regex>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int KILLS = 3;
constexpr std::size_t LINES_PER_RUN = 150;
constexpr int EXIT_WAIT_MS = 10000;

const std::regex LOG_LINE(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d,Tpdr:10,Rng:-?\d+\.\d{3}ms,)"
                          R"(Offset:\d+\.\d{3}ms,TelGrm:\$\d+\.\d (\^\^\^\^|<<--|-->>|\?\?))");

class FloodingUnit {
public:
    FloodingUnit() : m_link((m_folder / "ttyUnit").string()) {
        m_process.start(QUENDIX_SIM, {"--link", QString::fromStdString(m_link), "--flood", "5000",
                                      "--delay", "0"});
    }
    ~FloodingUnit() {
        m_process.terminate();
        m_process.waitForFinished(EXIT_WAIT_MS);
    }
    const std::string& Link() const { return m_link; }
    bool WaitUntilThere() {
        return WaitUntil([&] { return fs::exists(m_link); }, 10s);
    }

private:
    TempFolder m_folder;
    std::string m_link;
    QProcess m_process;
};

// The log up to its last CR LF.
std::string WholeLinesOf(const std::string& log) {
    const std::size_t end = log.rfind("\r\n");
    return end == std::string::npos ? std::string() : log.substr(0, end + 2);
}

std::size_t WholeLineCount(const Installation& installation) {
    std::string tail;
    return WholeLines(installation.Log(), tail).size();
}

void ExpectOnlyWholeLogLines(const std::string& log) {
    std::string tail;
    const std::vector<std::string> lines = WholeLines(log, tail);
    EXPECT_EQ(tail, "") << "half a line at the end";
    for (const std::string& line : lines)
        ASSERT_TRUE(std::regex_match(line, LOG_LINE)) << line;
}

TEST(Drill, KilledDuringAFloodLeavesOnlyWholeLogLinesAndAnUntouchedIniFile) {
    FloodingUnit unit;
    ASSERT_TRUE(unit.WaitUntilThere());
    const std::string ini = "[Ports]\r\nCOM1=" + unit.Link() + "\r\n[Settings]\r\nPeriod=1\r\n";
    Installation installation(ini);

    // Each start appends after what the killed one left: the locks on the log and on the port
    // died with the process.
    for (int kill = 0; kill < KILLS; ++kill) {
        const std::size_t linesBefore = WholeLineCount(installation);
        installation.Program().Start();
        ASSERT_TRUE(WaitUntil(
            [&] { return WholeLineCount(installation) >= linesBefore + LINES_PER_RUN; }, 20s));
        const std::string beforeKill = WholeLinesOf(installation.Log());
        installation.Program().Kill();
        EXPECT_TRUE(installation.Log().starts_with(beforeKill));
        ExpectOnlyWholeLogLines(installation.Log());
        EXPECT_EQ(installation.Ini(), ini);
    }
}

} // namespace
