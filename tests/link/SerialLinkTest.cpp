// The serial link on a real pseudo-terminal, whose far end the test plays.
#include "CSerialLink.h"
#include "LogCapture.h"
#include "PortMap.h"
#include "PtyFarEnd.h"
#include "QMgr.h"
#include "RecordingTarget.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t REPLY_MESSAGE = 101;

class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ports.Map("COM1", far.SlavePath());
        link.SetPortName("\\\\.\\COM1");
        link.SetBaud(4800);
    }

    PortMap ports;
    PtyFarEnd far;
    RecordingTarget target;
    CSerialLink link{[this] { return &target; }, ports.Namespace()};
};

// Whatever line another program left on the device, the link opens it at 8N1.
TEST_F(SerialLinkTest, OpensTheDevice8N1AtTheRateAndWritesExactBytes) {
    const int fd = open(far.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios settings{};
    ASSERT_EQ(tcgetattr(fd, &settings), 0);
    settings.c_cflag = (settings.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
    ASSERT_EQ(tcsetattr(fd, TCSANOW, &settings), 0);
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    link.Send("$10%");
    link.Send("\n");
    EXPECT_EQ(far.Read(5), "$10%\n");
    ASSERT_EQ(tcgetattr(fd, &settings), 0);
    close(fd);
    EXPECT_EQ(cfgetospeed(&settings), B4800);
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB), 0u);
}

// What the frame's handler may do while the notice that called it is under way: reconnect
// (a tick, Settings, Ctrl+N), close, or run a modal box in which a reconnect happens.
struct HandlerCase {
    const char* pszCase;
    std::function<void(CSerialLink&)> act;
    bool bSecondArrives;
};

class HandlerActsOnTheLink : public SerialLinkTest,
                             public ::testing::WithParamInterface<HandlerCase> {};

TEST_P(HandlerActsOnTheLink, WithoutTouchingWhatItFreed) {
    target.pDrainedLink = &link;
    target.act = GetParam().act;
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write("$1.0 ^^^^\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return target.texts.size() == 1u; }));
    ASSERT_TRUE(far.Write("$2.0 ^^^^\r\n"));
    const bool bSecond = QTest::qWaitFor([&] { return target.texts.size() == 2u; },
                                         GetParam().bSecondArrives ? 5000 : 300);
    EXPECT_EQ(bSecond, GetParam().bSecondArrives);
    EXPECT_EQ(link.IsConnected(), GetParam().bSecondArrives);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandlerActsOnTheLink,
    ::testing::Values(HandlerCase{"Reopens", [](CSerialLink& l) { l.Open(REPLY_MESSAGE); }, true},
                      HandlerCase{"Closes", [](CSerialLink& l) { l.Close(); }, false},
                      HandlerCase{"ReopensInAModalLoop",
                                  [](CSerialLink& l) {
                                      QEventLoop modal;
                                      QTimer::singleShot(0, &modal, [&] {
                                          l.Open(REPLY_MESSAGE);
                                          QTimer::singleShot(20, &modal, &QEventLoop::quit);
                                      });
                                      modal.exec();
                                  },
                                  true}),
    [](const auto& info) { return std::string(info.param.pszCase); });

TEST_F(SerialLinkTest, WithoutMainWindowWritesStillGoOut) {
    CSerialLink orphan{[] { return nullptr; }, ports.Namespace()};
    orphan.SetPortName("\\\\.\\COM1");
    ASSERT_TRUE(orphan.Open(REPLY_MESSAGE));
    ASSERT_TRUE(far.Write("$1.0 ^^^^\r\n"));
    orphan.Send("$10%");
    EXPECT_EQ(far.Read(4), "$10%");
    EXPECT_EQ(orphan.Receive(), "");
}

// What the far end sends while nobody drains: one message for the first telegram that finds
// the queue empty, the newest telegrams kept in the fixed pool, and each run of lines too long
// to be telegrams told once.
TEST_F(SerialLinkTest, KeepsTheNewestTelegramsAndTellsEachRunOfLongLinesOnce) {
    const LogCapture log;
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    std::string flood = std::string(300, 'x') + "\n" + std::string(400, 'y') + "\n";
    for (int i = 1; i <= 40; ++i)
        flood += "$" + std::to_string(i) + ".0 ^^^^\r\n";
    ASSERT_TRUE(far.Write(flood + std::string(256, 'z') + "\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.Lines().size() == 2u && target.nMessages > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(target.nMessages, 1);
    EXPECT_EQ(link.GetQMgr()->Count(0), QMGR_BUFFER_COUNT - 32);
    EXPECT_EQ(link.Receive(), "$40.0 ^^^^");
    EXPECT_THAT(log.Lines(), testing::ElementsAre(testing::HasSubstr("of 300 bytes"),
                                                  testing::HasSubstr("of 257 bytes")));

    // Drained, the queue is empty again: the next telegram is announced.
    ASSERT_TRUE(far.Write("$41.0 ^^^^\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return target.nMessages == 2; }));
}

TEST_F(SerialLinkTest, FarEndHangingUpDropsTheFlag) {
    ASSERT_TRUE(link.Open(REPLY_MESSAGE));
    far.HangUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.IsLost() && !link.IsConnected(); }));
    link.Send("$10%");
    EXPECT_EQ(link.GetQMgr()->Count(0), QMGR_BUFFER_COUNT);
}

TEST_F(SerialLinkTest, OpensOnlyAFittingNameAtARateAndKeepsQueuesThatSendStillUses) {
    ports.Map("COM123456789012", far.SlavePath());
    ports.Map("COM1234567890123", far.SlavePath());
    const struct {
        const char* pszPort;
        int nBaud;
        bool bOpens;
    } cases[] = {
        {"\\\\.\\COM2", 4800, false}, // no device there
        // 19 characters and the NUL fill the name area; 20 leave no room for the NUL.
        {"\\\\.\\COM123456789012", 4800, true},
        {"\\\\.\\COM1234567890123", 4800, false},
        {"\\\\.\\COM1", 0, false},
    };
    for (const auto& [pszPort, nBaud, bOpens] : cases) {
        SCOPED_TRACE(std::string(pszPort) + " at " + std::to_string(nBaud));
        link.SetPortName(pszPort);
        link.SetBaud(nBaud);
        EXPECT_EQ(link.Open(REPLY_MESSAGE), bOpens);
        EXPECT_EQ(link.IsConnected(), bOpens);
        ASSERT_NE(link.GetQMgr(), nullptr);
        link.Send("$10%");
        EXPECT_EQ(link.GetQMgr()->Count(0), QMGR_BUFFER_COUNT);
    }
    // Closed (twice, as the frame and the destructor may), it sends and receives nothing.
    link.Close();
    link.Close();
    EXPECT_EQ(link.GetQMgr(), nullptr);
    link.Send("$10%");
    EXPECT_EQ(link.Receive(), "");
}

} // namespace
