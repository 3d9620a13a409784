#include "CSerialLink.h"
#include "Instrumentation.h"
#include "PortMap.h"
#include "ProcessFacts.h"
#include "PtyFarEnd.h"
#include "QMgr.h"
#include "RecordingTarget.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t REPLY_MESSAGE = 101;

class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ports.Map("COM1", far.SlavePath());
        link.SetPortName("\\\\.\\COM1");
        link.SetBaud(4800);
    }

    CommStats Stats() const { return link.GetInstrument()->GetStats(); }
    std::size_t FreeBuffers() const { return link.GetQMgr()->Count(0); }

    PortMap ports;
    PtyFarEnd far;
    RecordingTarget target;
    CSerialLink link{[this] { return &target; }};
};

TEST(SerialLinkDefaults, FreshLinkIsClosedOnCom5At9600) {
    CSerialLink link{[] { return nullptr; }};
    EXPECT_EQ(link.GetPortName(), "\\\\.\\COM5");
    EXPECT_EQ(link.GetBaud(), 9600);
    EXPECT_FALSE(link.IsConnected());
    link.Send("$10%");
    EXPECT_EQ(link.Receive(), "");
    link.Close();
    EXPECT_EQ(link.GetQMgr(), nullptr);
}

TEST_F(SerialLinkTest, InterrogationGoesOutAsTwoWritesOfExactBytes) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    EXPECT_TRUE(link.IsConnected());
    link.Send("$10%");
    link.Send("\n");
    EXPECT_EQ(far.Read(5), "$10%\n");
    ASSERT_TRUE(WaitUntil([&] { return Stats().nBuffersWritten == 2u; }));
    EXPECT_EQ(FreeBuffers(), QMGR_BUFFER_COUNT);
}

TEST_F(SerialLinkTest, TelegramArrivesWithoutItsLineEndAndNotifiesTheWindow) {
    target.pDrainedLink = &link;
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write("$123.4 ^^^^\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return target.texts.size() == 1u; }));
    EXPECT_EQ(target.texts[0], "$123.4 ^^^^");
    EXPECT_EQ(target.messages[0], REPLY_MESSAGE);
}

TEST_F(SerialLinkTest, ReceiveKeepsTheLastOfThreeAndReturnsEveryBuffer) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write("$1.0 ^^^^\r\n$2.0 <<--\r\n$3.0 -->>\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return Stats().nTelegramsQueued == 3u; }));
    EXPECT_EQ(link.GetQMgr()->Count(link.GetReadQueue()), 3u);
    EXPECT_EQ(link.Receive(), "$3.0 -->>");
    EXPECT_EQ(link.GetQMgr()->Count(link.GetReadQueue()), 0u);
    EXPECT_EQ(FreeBuffers(), QMGR_BUFFER_COUNT);
    EXPECT_EQ(link.Receive(), "");
}

TEST_F(SerialLinkTest, DrainedBatchesNeverBecomeEmptyReplies) {
    target.pDrainedLink = &link;
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    for (int i = 1; i <= 200; ++i) {
        ASSERT_TRUE(far.Write("$" + std::to_string(i) + ".0 ^^^^\r\n"));
        if (i % 7 == 0)
            QCoreApplication::processEvents();
    }
    ASSERT_TRUE(
        WaitUntil([&] { return !target.texts.empty() && target.texts.back() == "$200.0 ^^^^"; }));
    QCoreApplication::processEvents();
    for (const auto& text : target.texts)
        EXPECT_FALSE(text.empty());
}

// The frame may reconnect from inside the handler; the instrument that called it goes away.
class ReopeningTarget : public IWindowTarget {
public:
    void OnWindowMessage(std::uint32_t) override {
        texts.push_back(pLink->Receive());
        pLink->Open(REPLY_MESSAGE);
    }

    CSerialLink* pLink = nullptr;
    std::vector<std::string> texts;
};

TEST_F(SerialLinkTest, HandlerMayReopenTheLink) {
    ReopeningTarget reopening;
    CSerialLink reopened{[&] { return &reopening; }};
    reopening.pLink = &reopened;
    reopened.SetPortName("\\\\.\\COM1");
    ASSERT_TRUE(reopened.Open(REPLY_MESSAGE));
    for (const char* telegram : {"$1.0 ^^^^\r\n", "$2.0 ^^^^\r\n"}) {
        const std::size_t before = reopening.texts.size();
        ASSERT_TRUE(far.Write(telegram));
        ASSERT_TRUE(WaitUntil([&] { return reopening.texts.size() > before; }));
    }
    EXPECT_EQ(reopening.texts, (std::vector<std::string>{"$1.0 ^^^^", "$2.0 ^^^^"}));
    EXPECT_TRUE(reopened.IsConnected());
}

TEST_F(SerialLinkTest, OpenTwiceLeavesOneInstrumentOnThePort) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    // The port is locked while open, so the second opening succeeds only if the first
    // instrument let go of it.
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    link.Send("$7%");
    EXPECT_EQ(far.Read(3), "$7%");
}

TEST_F(SerialLinkTest, LongestNameThatFitsTheNameAreaOpens) {
    ports.Map("COM123456789012", far.SlavePath());
    link.SetPortName("\\\\.\\COM123456789012");
    EXPECT_TRUE(link.Open(REPLY_MESSAGE));
}

TEST_F(SerialLinkTest, CloseClearsTheFlagAndDropsTheLibrary) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    link.Close();
    EXPECT_FALSE(link.IsConnected());
    EXPECT_EQ(link.GetInstrument(), nullptr);
    EXPECT_EQ(link.Receive(), "");
    link.Close();
    EXPECT_EQ(link.GetPortName(), "\\\\.\\COM1");
    EXPECT_EQ(link.GetBaud(), 4800);
}

TEST_F(SerialLinkTest, WithoutMainWindowWritesStillGoOut) {
    CSerialLink orphan{[] { return nullptr; }};
    orphan.SetPortName("\\\\.\\COM1");
    ASSERT_TRUE(orphan.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write("$1.0 ^^^^\r\n"));
    orphan.Send("$10%");
    EXPECT_EQ(far.Read(4), "$10%");
    EXPECT_EQ(orphan.Receive(), "");
    EXPECT_EQ(orphan.GetInstrument()->GetStats().nTelegramsQueued, 0u);
}

TEST_F(SerialLinkTest, EmptyAndOverlongTexts) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    link.Send("");
    link.Send(std::string(BUFFER_TEXT_SIZE, 'x'));
    link.Send(std::string("$9%\0tail", 8));
    EXPECT_EQ(far.Read(3), "$9%");
    ASSERT_TRUE(WaitUntil([&] { return Stats().nBuffersWritten == 2u; }));
    EXPECT_EQ(FreeBuffers(), QMGR_BUFFER_COUNT);
}

TEST_F(SerialLinkTest, FarEndHangingUpDropsTheFlagWithoutSpinning) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    ASSERT_TRUE(link.IsConnected());
    far.HangUp();
    ASSERT_TRUE(WaitUntil([&] { return !link.IsConnected(); }, std::chrono::milliseconds(5000)));
    const double cpuBefore = ProcessFacts::CpuSeconds(getpid());
    QTest::qWait(500);
    // A port left open after the error burns a whole core; closed, the process idles.
    EXPECT_LT(ProcessFacts::CpuSeconds(getpid()) - cpuBefore, 0.2);
    link.Send("$10%");
    ASSERT_TRUE(WaitUntil([&] { return Stats().nBuffersDiscarded == 1u; }));
}

TEST_F(SerialLinkTest, JunkAndFloodsStayInTheFixedPool) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write(std::string(1 << 20, 'x') + "\n"));
    ASSERT_TRUE(far.Write(std::string("\x01\xff\0junk\r\n", 9)));
    std::string burst;
    for (int i = 1; i <= 10000; ++i)
        burst += "$" + std::to_string(i) + ".0 ^^^^\r\n";
    ASSERT_TRUE(far.Write(burst));
    ASSERT_TRUE(WaitUntil([&] { return Stats().nTelegramsQueued == 10001u; },
                          std::chrono::milliseconds(20000)));
    const CommStats stats = Stats();
    EXPECT_EQ(stats.nLinesTooLong, 1u);
    EXPECT_EQ(stats.nTelegramsLost, 0u);
    EXPECT_EQ(stats.nTelegramsReplaced, 10001u - READ_BACKLOG_LIMIT);
    EXPECT_EQ(link.GetQMgr()->Count(link.GetReadQueue()), READ_BACKLOG_LIMIT);
    EXPECT_EQ(link.Receive(), "$10000.0 ^^^^");
    EXPECT_EQ(FreeBuffers(), QMGR_BUFFER_COUNT);
}

struct FailedOpening {
    const char* pszCase;
    std::string strPortName;
    int nBaud;
};

void PrintTo(const FailedOpening& param, std::ostream* pOut) {
    *pOut << param.pszCase;
}

class FailedOpeningTest : public ::testing::TestWithParam<FailedOpening> {};

TEST_P(FailedOpeningTest, LeavesQueuesThatSendStillUses) {
    PortMap ports;
    PtyFarEnd far;
    ports.Map("COM1", far.SlavePath());
    ports.Map("COM1234567890123", far.SlavePath());
    CSerialLink link{[] { return nullptr; }};
    link.SetPortName(GetParam().strPortName);
    link.SetBaud(GetParam().nBaud);
    EXPECT_FALSE(link.Open(REPLY_MESSAGE));
    EXPECT_FALSE(link.IsConnected());
    ASSERT_NE(link.GetQMgr(), nullptr);
    link.Send("$10%");
    ASSERT_TRUE(
        WaitUntil([&] { return link.GetInstrument()->GetStats().nBuffersDiscarded == 1u; }));
    EXPECT_EQ(link.GetQMgr()->Count(0), QMGR_BUFFER_COUNT);
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedOpeningTest,
                         ::testing::Values(FailedOpening{"MissingDevice", "\\\\.\\COM2", 4800},
                                           FailedOpening{"UnknownName", "\\\\.\\LPT1", 4800},
                                           // 20 characters: no room for the NUL in the name area.
                                           FailedOpening{"NameTooLong", "\\\\.\\COM1234567890123",
                                                         4800},
                                           FailedOpening{"NoBaudRate", "\\\\.\\COM1", 0},
                                           FailedOpening{"NegativeBaudRate", "\\\\.\\COM1", -3200}),
                         [](const auto& info) { return std::string(info.param.pszCase); });

} // namespace
