// The real program, offscreen, in a scratch installation folder, talking to a unit on a
// pseudo-terminal: what goes out on the wire, what lands in the log, and what the INI file
// holds after a termination signal.
#include "Installation.h"
#include "PtyFarEnd.h"
#include "TempFolder.h"

#include <QProcess>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The first interrogation goes out one period after the start; allow for a slow machine.
constexpr auto INTERROGATION_WAIT = 10s;
constexpr int EXIT_WAIT_MS = 10000;

TEST(EndToEnd, InterrogatesLogsRepliesAndSavesOnTermination) {
    PtyFarEnd unit;
    Installation installation("[Ports]\r\nCOM1=" + unit.SlavePath() +
                              "\r\n[Settings]\r\nPeriod=1\r\n");
    installation.Program().Start();

    // Each interrogation is "$10%" and a line feed.
    EXPECT_EQ(unit.Read(5, INTERROGATION_WAIT), "$10%\n");
    unit.Write("$123.4 ^^^^\r\n");
    EXPECT_EQ(unit.Read(5, INTERROGATION_WAIT), "$10%\n");
    unit.Write("$-NO REPLY-\r\n");
    EXPECT_EQ(unit.Read(5, INTERROGATION_WAIT), "$10%\n");
    installation.Program().Terminate();

    const std::string stamp = R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d)";
    EXPECT_TRUE(std::regex_match(
        installation.Log(),
        std::regex(stamp +
                   R"(,Tpdr:10,Rng:82\.267ms,Offset:0\.000ms,TelGrm:\$123\.4 \^\^\^\^)"
                   "\r\n" +
                   stamp +
                   R"(,Tpdr:10,Rng:0\.000ms,Offset:0\.000ms,TelGrm:\$-NO REPLY-)"
                   "\r\n")))
        << installation.Log();

    // The placement is written at the close, then the settings with the document.
    EXPECT_TRUE(std::regex_match(
        installation.Ini(),
        std::regex("\\[Ports\\]\r\nCOM1=" + unit.SlavePath() +
                   "\r\n\\[Settings\\]\r\nPeriod=1\r\nUnits=0\r\nSoundSpeedMetric=1500.00\r\n"
                   "TpdrNo=10\r\nLogFileName=QuendixLog.txt\r\nOffsetMetric=0.00\r\n"
                   "ComPort=COM1\r\nBaudRate=4,800\r\n"
                   "\\[MainFrameState\\]\r\nSettings=-?\\d+ -?\\d+ -?\\d+ -?\\d+ 0 0\r\n")))
        << installation.Ini();
}

// Each "<seconds> $10% -> <reply>" line of the simulator's output, as the reply.
std::vector<std::string> SimulatorReplies(const std::string& output) {
    std::vector<std::string> replies;
    const std::regex exchange(R"(^[0-9.]+ \$10% -> (.*)$)");
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, exchange)) {
            replies.push_back(match[1]);
        }
    }
    return replies;
}

std::vector<std::string> LoggedTelegrams(const std::string& log) {
    std::vector<std::string> telegrams;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t start = line.find("TelGrm:");
        if (start != std::string::npos && line.ends_with('\r')) {
            telegrams.push_back(line.substr(start + 7, line.size() - start - 8));
        }
    }
    return telegrams;
}

TEST(EndToEnd, LogsEveryReplyOfTheSimulator) {
    TempFolder linkFolder;
    const std::string link = (linkFolder / "ttyUnit").string();
    QProcess simulator;
    simulator.start(QUENDIX_SIM, {"--link", QString::fromStdString(link)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(link); }, EXIT_WAIT_MS));

    Installation installation("[Ports]\r\nCOM1=" + link + "\r\n[Settings]\r\nPeriod=1\r\n");
    installation.Program().Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return LoggedTelegrams(installation.Log()).size() >= 3; },
                                EXIT_WAIT_MS));
    installation.Program().Terminate();
    simulator.terminate();
    ASSERT_TRUE(simulator.waitForFinished(EXIT_WAIT_MS));

    const std::vector<std::string> logged = LoggedTelegrams(installation.Log());
    const std::vector<std::string> answered =
        SimulatorReplies(simulator.readAllStandardOutput().toStdString());
    ASSERT_GE(answered.size(), logged.size());
    EXPECT_TRUE(std::equal(logged.begin(), logged.end(), answered.begin()));
    EXPECT_TRUE(std::regex_match(logged.front(), std::regex(R"(\$[0-9]+\.[0-9] \S+)")))
        << logged.front();
}

} // namespace
