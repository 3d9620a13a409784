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
    const std::string log = (ports.Folder() / "log.txt").string();
    TempFolder::WriteAll(
        log, "30/07/02,14:05:09,Tpdr:10,Rng:1.000ms,Offset:0.400ms,TelGrm:$1.0 ^^^^\r\n"
             "a line without telegram\r\n"
             "30/07/02,14:05:10,Tpdr:10,Rng:-0.400ms,Offset:0.400ms,TelGrm:$-NO REPLY-\r\n"
             "30/07/02,14:05:11,Tpdr:10,Rng:2.000ms,Offset:0.400ms,TelGrm:$2.0 <<--\r\n");
    const struct {
        QStringList args;
        std::vector<std::pair<unsigned, std::string>> exchanges; // transponder, reply
    } cases[] = {
        {{"--bearing", "20"}, {{10, "$500.0 -->>"}}},
        {{"--bearing", "-20", "--start", "123.4"}, {{10, "$123.4 <<--"}}},
        {{"--bearing", "2.5"}, {{10, "$500.0 ^^^^"}}},
        {{"--unsure", "1"}, {{10, "$500.0 ??"}}},
        {{"--noreply", "1"}, {{10, "$-NO REPLY-"}}},
        {{"--tpdr", "11,12", "--start", "80"}, {{10, "$-NO REPLY-"}, {12, "$80.0 -->>"}}},
        {{"--replay", QString::fromStdString(log)},
         {{10, "$1.0 ^^^^"}, {7, "$-NO REPLY-"}, {10, "$2.0 <<--"}, {10, "$1.0 ^^^^"}}},
    };
    for (const auto& [args, exchanges] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        Start(args);
        for (const auto& [nTpdr, reply] : exchanges)
            EXPECT_EQ(Interrogate(nTpdr), reply);
    }
}

TEST_F(SimTest, IgnoresAMalformedRequestAndSilenceSendsNothing) {
    Start({"--silence", "1"});
    link.Send("$1\x7f%\n");
    EXPECT_FALSE(sim->ReadLineWith("ignored \"$1\\x7F%\"").isEmpty());
    link.Send("$10%");
    link.Send("\n");
    EXPECT_FALSE(sim->ReadLineWith("$10% -> (silence)").isEmpty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.texts.empty());
}

// The range follows the approach, and the simulator answers again after the port was closed;
// stopped, it takes its link away.
TEST_F(SimTest, RangeFollowsTheApproachAcrossAReopening) {
    Start({"--start", "100000", "--speed", "20000"});
    const double first = std::stod(Interrogate(10).substr(1));
    link.Close();
    ASSERT_TRUE(link.Open(101));
    EXPECT_LT(std::stod(Interrogate(10).substr(1)), first);
    ASSERT_TRUE(sim->Stop());
    EXPECT_FALSE(std::filesystem::is_symlink(sim->Link()));
}

TEST_F(SimTest, MalformedTelegramsRepeatWithTheSeed) {
    std::vector<std::string> runs[2];
    for (auto& replies : runs) {
        Start({"--garbage", "1", "--seed", "5"});
        for (int i = 0; i < 6; ++i)
            replies.push_back(Interrogate(10));
    }
    EXPECT_EQ(runs[0], runs[1]);
    for (const auto& reply : runs[0])
        EXPECT_NE(reply, "$500.0 -->>");
}

TEST(SimCommand, HelpVersionAndBadOptions) {
    const struct {
        QStringList args;
        int status;
        QByteArray starts; // the output's start; the error's text
    } cases[] = {
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
