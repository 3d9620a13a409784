// The real program, offscreen, in a scratch installation folder, talking to a unit on a
// pseudo-terminal: what goes out on the wire, what lands in the log, and what the INI file
// holds after a termination signal.
#include "Installation.h"
#include "PtyFarEnd.h"
#include "Simulator.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {

using namespace std::chrono_literals;

// The first interrogation goes out one period after the start; allow for a slow machine.
constexpr auto INTERROGATION_WAIT = 10s;

TEST(EndToEnd, InterrogatesLogsRepliesAndSavesOnTermination) {
    PtyFarEnd unit;
    Installation installation(UnitIni(unit.SlavePath()));
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

// The first group of each line of the text that matches the pattern as a whole.
std::vector<std::string> Captures(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> captured;
    std::istringstream lines(text);
    std::smatch match;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_match(line, match, pattern))
            captured.push_back(match[1]);
    return captured;
}

// The telegrams of the log's whole lines.
std::vector<std::string> LoggedTelegrams(const std::string& log) {
    return Captures(log, std::regex(".*?TelGrm:(.*)\r"));
}

TEST(EndToEnd, LogsEveryReplyOfTheSimulator) {
    Simulator simulator;
    ASSERT_FALSE(simulator.Link().empty());
    Installation installation(UnitIni(simulator.Link()));
    installation.Program().Start();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return LoggedTelegrams(installation.Log()).size() >= 3; }, 10000));
    installation.Program().Terminate();
    const std::optional<std::string> output = simulator.Stop();
    ASSERT_TRUE(output);

    // The simulator prints "<seconds> $10% -> <reply>" for each exchange.
    const std::vector<std::string> answered =
        Captures(*output, std::regex(R"([0-9.]+ \$10% -> (.*))"));
    const std::vector<std::string> logged = LoggedTelegrams(installation.Log());
    ASSERT_GE(answered.size(), logged.size());
    EXPECT_TRUE(std::equal(logged.begin(), logged.end(), answered.begin()));
    EXPECT_TRUE(std::regex_match(logged.front(), std::regex(R"(\$[0-9]+\.[0-9] \S+)")))
        << logged.front();
}

} // namespace
