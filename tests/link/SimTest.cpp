// The real quendix-sim on a pseudo-terminal, talked to through the real serial link.

#include "CSerialLink.h"
#include "PortMap.h"
#include "RecordingTarget.h"
#include "Simulator.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SimTest : public ::testing::Test {
protected:
    // A still target and no delay, unless the arguments say otherwise.
    void Start(const QStringList& args) {
        sim = std::make_unique<Simulator>(
            QStringList{"--delay", "0", "--speed", "0", "--drift", "0"} + args);
        ASSERT_FALSE(sim->Link().empty());
        ports.Map("COM1", sim->Link());
        link.SetPortName("\\\\.\\COM1");
        ASSERT_TRUE(link.Open(101));
        target.pDrainedLink = &link;
    }

    // Interrogates the transponder as the document does; the reply, "" when none came.
    std::string Interrogate(unsigned nTpdr) {
        const std::size_t before = target.texts.size();
        link.Send("$" + std::to_string(nTpdr) + "%");
        link.Send("\n");
        if (!QTest::qWaitFor([&] { return target.texts.size() > before; }))
            return "";
        return target.texts.back();
    }

    PortMap ports;
    std::unique_ptr<Simulator> sim;
    RecordingTarget target;
    CSerialLink link{[this] { return &target; }, ports.Namespace()};
};

TEST_F(SimTest, AnswersAsScripted) {
    const struct {
        QStringList args;
        unsigned nTpdr;
        std::string reply;
    } cases[] = {
        {{"--bearing", "20"}, 10, "$500.0 -->>"},
        {{"--bearing", "-20", "--start", "123.4"}, 10, "$123.4 <<--"},
        {{"--bearing", "2.5"}, 10, "$500.0 ^^^^"},
        {{"--unsure", "1"}, 10, "$500.0 ??"},
        {{"--noreply", "1"}, 10, "$-NO REPLY-"},
        {{"--tpdr", "11,12"}, 10, "$-NO REPLY-"}, // another transponder's
        {{"--tpdr", "11,12", "--start", "80"}, 12, "$80.0 -->>"},
    };
    for (const auto& [args, nTpdr, reply] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        Start(args);
        EXPECT_EQ(Interrogate(nTpdr), reply);
    }
}

TEST_F(SimTest, SilenceSendsNothing) {
    Start({"--silence", "1"});
    link.Send("$10%");
    link.Send("\n");
    EXPECT_FALSE(sim->ReadLineWith("$10% -> (silence)").isEmpty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.texts.empty());
}

TEST_F(SimTest, RangeFollowsTheApproach) {
    Start({"--start", "100000", "--speed", "20000"});
    const double first = std::stod(Interrogate(10).substr(1));
    const double second = std::stod(Interrogate(10).substr(1));
    EXPECT_LT(second, first);
}

TEST_F(SimTest, MalformedTelegramsRepeatWithTheSeed) {
    std::vector<std::string> runs[2];
    for (auto& replies : runs) {
        Start({"--garbage", "1", "--seed", "5"});
        for (int i = 0; i < 6; ++i)
            replies.push_back(Interrogate(10));
        link.Close();
        sim.reset();
    }
    EXPECT_EQ(runs[0], runs[1]);
    for (const auto& reply : runs[0])
        EXPECT_NE(reply, "$500.0 -->>");
}

TEST_F(SimTest, ReplaysTheTelegramsOfALog) {
    TempFolder::WriteAll(
        ports.Folder() / "log.txt",
        "30/07/02,14:05:09,Tpdr:10,Rng:1.000ms,Offset:0.400ms,TelGrm:$1.0 ^^^^\r\n"
        "a line without telegram\r\n"
        "30/07/02,14:05:10,Tpdr:10,Rng:-0.400ms,Offset:0.400ms,TelGrm:$-NO REPLY-\r\n");
    Start({"--replay", QString::fromStdString((ports.Folder() / "log.txt").string())});
    EXPECT_EQ(Interrogate(10), "$1.0 ^^^^");
    EXPECT_EQ(Interrogate(7), "$-NO REPLY-");
    EXPECT_EQ(Interrogate(10), "$1.0 ^^^^");
}

// Its CPU meanwhile is a figure of bench/sim.
TEST_F(SimTest, AnswersAgainAfterThePortWasClosed) {
    Start({});
    ASSERT_EQ(Interrogate(10), "$500.0 -->>");
    link.Close();
    ASSERT_TRUE(link.Open(101));
    EXPECT_EQ(Interrogate(10), "$500.0 -->>");
}

TEST(SimCommand, HelpVersionAndBadOptions) {
    const struct {
        QStringList args;
        int status;
        QByteArray starts; // the output's start; the error's text
    } cases[] = {
        {{"--help"}, 0, "Usage: quendix-sim"},
        {{"--version"}, 0, "quendix-sim 1."},
        {{"--noreply", "2"}, 2, "--noreply"},
        {{"ttyS0"}, 2, "ttyS0"},
    };
    for (const auto& [args, status, text] : cases) {
        QProcess sim;
        sim.start(QStringLiteral(QUENDIX_SIM_BINARY), args);
        ASSERT_TRUE(sim.waitForFinished(5000));
        EXPECT_EQ(sim.exitCode(), status) << text.toStdString();
        if (status == 0)
            EXPECT_TRUE(sim.readAllStandardOutput().startsWith(text));
        else
            EXPECT_TRUE(sim.readAllStandardError().contains(text));
    }
}

} // namespace
