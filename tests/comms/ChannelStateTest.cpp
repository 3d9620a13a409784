#include "CChannelState.h"
#include "CWriteEvent.h"
#include "IWindowTarget.h"
#include "QMgr.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class NullTarget : public IWindowTarget {
public:
    void OnWindowMessage(std::uint32_t) override {}
};

class ChannelStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.SetQMgr(&qmgr);
        read.m_nQueue = qmgr.QGet();
        read.m_nKind = REPLY_POST_MESSAGE;
        read.m_pWindow = &window;
        read.m_nMessage = 101;
        state.SetReadMechanism(read, [this] { ++nPosted; });
        write.m_nQueue = qmgr.QGet();
        write.m_nKind = REPLY_SIGNAL_EVENT;
        write.m_pEvent = &event;
        state.SetWriteMechanism(write);
    }

    std::string ReadText() {
        Buffer* pBuffer = qmgr.GetBuf(read.m_nQueue);
        std::string text = pBuffer ? std::string(pBuffer->m_szText, pBuffer->m_nLength) : "";
        if (pBuffer)
            qmgr.PutBuf(0, pBuffer);
        return text;
    }

    QMgr qmgr;
    CChannelState state;
    NullTarget window;
    CWriteEvent event;
    ReplyMechanism read;
    ReplyMechanism write;
    int nPosted = 0;
};

TEST_F(ChannelStateTest, OneNoticePerBatchAndNoneForADrainedQueue) {
    state.DeliverTelegram("$1", 7);
    state.DeliverTelegram("$2", 8);
    EXPECT_EQ(nPosted, 1);
    // The handler of an earlier notice drained both before this one ran.
    ReadText();
    ReadText();
    EXPECT_FALSE(state.TakeNotice());
    state.DeliverTelegram("$3", 9);
    EXPECT_EQ(nPosted, 2);
    const auto notice = state.TakeNotice();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->pTarget, &window);
    EXPECT_EQ(notice->nMessage, 101u);
}

TEST_F(ChannelStateTest, ReadBuffersCarryTextLengthAndArrivalTick) {
    state.DeliverTelegram("$123.4 ^^^^", 42);
    Buffer* pBuffer = qmgr.GetBuf(read.m_nQueue);
    ASSERT_TRUE(pBuffer);
    EXPECT_STREQ(pBuffer->m_szText, "$123.4 ^^^^");
    EXPECT_EQ(pBuffer->m_nLength, 11u);
    EXPECT_EQ(pBuffer->m_dwTimeStamp, 42u);
}

TEST_F(ChannelStateTest, TelegramIsLostWhenNoBufferIsFree) {
    std::vector<Buffer*> held;
    while (Buffer* pBuffer = qmgr.GetBuf(0))
        held.push_back(pBuffer);
    state.DeliverTelegram("$1", 0);
    EXPECT_EQ(state.GetStats().nTelegramsLost, 1u);
    EXPECT_EQ(nPosted, 0);
    for (Buffer* pBuffer : held)
        qmgr.PutBuf(0, pBuffer);
}

TEST_F(ChannelStateTest, EveryCueSetsTheWriteEvent) {
    state.DrainWrites([](const char*, std::size_t) { return true; });
    EXPECT_TRUE(event.IsSet());
}

TEST_F(ChannelStateTest, DefaultMechanismsEndNoticesAndEvents) {
    state.SetWriteMechanism(ReplyMechanism{});
    state.SetReadMechanism(ReplyMechanism{}, {});
    state.DrainWrites([](const char*, std::size_t) { return true; });
    state.DeliverTelegram("$1", 0);
    EXPECT_FALSE(event.IsSet());
    EXPECT_EQ(qmgr.Count(read.m_nQueue), 0u);
    EXPECT_FALSE(state.TakeNotice());
}

} // namespace
