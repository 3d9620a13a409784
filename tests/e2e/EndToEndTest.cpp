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

TEST(EndToEnd, LogsEveryReplyOfTheSimulator) {
    Simulator simulator;
    ASSERT_FALSE(simulator.Link().empty());
    Installation installation(UnitIni(simulator.Link()));
    installation.Program().Start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return std::ranges::count(installation.Telegrams(), '\n') >= 3; }, 10000));
    installation.Program().Terminate();
    const std::optional<std::string> output = simulator.Stop();
    ASSERT_TRUE(output);
    EXPECT_FALSE(std::filesystem::is_symlink(simulator.Link())) << "the simulator left its link";

    // The simulator prints "<seconds> $10% -> <reply>" for each exchange.
    const std::string answered =
        std::regex_replace(*output, std::regex(R"([0-9.]+ \$10% -> (.*)\n)"), "$1\r\n",
                           std::regex_constants::format_no_copy);
    EXPECT_TRUE(answered.starts_with(installation.Telegrams())) << answered;
}

} // namespace
