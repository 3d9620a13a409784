// The interrogation cycle with an injected tick count.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <gtest/gtest.h>

namespace {

class Interrogation : public testing::Test {
protected:
    void TickAt(std::uint32_t tick) {
        m_host.tickCount = tick;
        m_doc.OnInterrogateTimer();
    }
    std::size_t Sent() const { return m_host.mainWindow.sent.size(); }

    FakeDocHost m_host;
    CQuendixDoc m_doc{m_host};
};

} // namespace

TEST_F(Interrogation, SendsTheTransponderNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"10", "$10%"}, {"99", "$99%"}, {"7", "$7%"}, {"-1", "$4294967295%"}};
    for (const auto& [stored, interrogation] : cases) {
        m_host.SetIniText(std::string("[Settings]\r\nTpdrNo=") + stored + "\r\n");
        m_doc.OnNewDocument();
        m_doc.OnReply("");
        TickAt(0);
        EXPECT_EQ(m_host.mainWindow.sent.back(), interrogation);
    }
}

TEST_F(Interrogation, TimesOutOnlyAfterMoreThan1500Ms) {
    m_doc.OnNewDocument();
    m_doc.OnReply("$50 ^^^^");
    TickAt(10000);
    const int updates = m_host.viewUpdates;
    TickAt(11500);
    EXPECT_EQ(Sent(), 1u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_OK);
    EXPECT_EQ(m_host.viewUpdates, updates);

    TickAt(11501);
    EXPECT_EQ(Sent(), 2u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_NO_TELEGRAM);
    EXPECT_EQ(m_host.viewUpdates, updates + 1);
    EXPECT_DOUBLE_EQ(m_doc.GetRange(), 50.0);
}

TEST_F(Interrogation, ElapsedTimeSurvivesTheCounterWrap) {
    TickAt(4294967040u);
    TickAt(1024);
    EXPECT_EQ(Sent(), 1u);
    TickAt(1245);
    EXPECT_EQ(Sent(), 2u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_NO_TELEGRAM);
}

TEST_F(Interrogation, EveryReplyEndsTheWaitEvenAnEmptyOne) {
    m_doc.OnNewDocument();
    TickAt(0);
    m_doc.OnReply("");
    TickAt(500);
    EXPECT_EQ(Sent(), 2u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_BAD_TELEGRAM);
}

TEST_F(Interrogation, SilentUnitAtOneSecondIsAskedEveryTwoSeconds) {
    m_host.SetIniText("[Settings]\r\nPeriod=1\r\n");
    m_doc.OnNewDocument();
    m_doc.OnReply("$80 <<--");
    const std::string logBefore = m_host.LogText();
    std::vector<std::uint32_t> sentAt;
    for (std::uint32_t tick = 0; tick <= 6000; tick += m_doc.GetTimerInterval()) {
        const std::size_t before = Sent();
        TickAt(tick);
        if (Sent() > before)
            sentAt.push_back(tick);
        EXPECT_EQ(m_doc.GetStatus(), tick >= 2000 ? STAT_NO_TELEGRAM : STAT_OK) << tick;
    }
    EXPECT_EQ(sentAt, (std::vector<std::uint32_t>{0, 2000, 4000, 6000}));
    EXPECT_DOUBLE_EQ(m_doc.GetRange(), 80.0);
    EXPECT_EQ(m_doc.GetDirection(), DIR_LEFT);
    EXPECT_EQ(m_host.LogText(), logBefore); // a time-out is not logged
}

TEST_F(Interrogation, WithoutAMainWindowTheWaitIsStillArmed) {
    m_host.hasMainWindow = false;
    TickAt(0);
    TickAt(1501);
    EXPECT_EQ(m_doc.GetStatus(), STAT_NO_TELEGRAM);
    m_doc.RestartInterrogation();
    EXPECT_TRUE(m_host.mainWindow.calls.empty());

    m_host.hasMainWindow = true;
    m_doc.RestartInterrogation();
    EXPECT_EQ(m_host.mainWindow.calls, std::vector<std::string>{"RestartInterrogationTimer"});
}
