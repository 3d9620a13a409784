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
    std::size_t Sent() const { return m_host.mainWindow.calls.size(); }

    FakeDocHost m_host;
    CQuendixDoc m_doc{m_host};
};

} // namespace

TEST_F(Interrogation, EveryReplyEvenAnEmptyOneEndsTheWaitAndTheTickAsksTheTransponder) {
    const std::pair<const char*, const char*> cases[] = {
        {"10", "SendToUnit $10%"}, {"7", "SendToUnit $7%"}, {"-1", "SendToUnit $4294967295%"}};
    for (const auto& [stored, interrogation] : cases) {
        m_host.SetIniText(std::string("[Settings]\r\nTpdrNo=") + stored + "\r\n");
        m_doc.OnNewDocument();
        m_doc.OnReply("");
        TickAt(0);
        EXPECT_EQ(m_host.mainWindow.calls.back(), interrogation);
    }
    EXPECT_EQ(Sent(), 3u);
}

// Sent 256 ms before the counter wraps: 1500 ms later the wait goes on, 1501 ms later it ends.
TEST_F(Interrogation, TimesOutAfterMoreThan1500MsAcrossTheCounterWrap) {
    m_doc.OnNewDocument();
    m_doc.OnReply("$50 <<--");
    const std::string log = m_host.LogText();
    TickAt(4294967040u);
    const int updates = m_host.viewUpdates;
    TickAt(1244);
    EXPECT_EQ(Sent(), 1u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_OK);
    EXPECT_EQ(m_host.viewUpdates, updates);

    TickAt(1245);
    EXPECT_EQ(Sent(), 2u);
    EXPECT_EQ(m_doc.GetStatus(), STAT_NO_TELEGRAM);
    EXPECT_EQ(m_host.viewUpdates, updates + 1);
    EXPECT_DOUBLE_EQ(m_doc.GetRange(), 50.0);
    EXPECT_EQ(m_doc.GetDirection(), DIR_LEFT);
    EXPECT_EQ(m_host.LogText(), log);
}
