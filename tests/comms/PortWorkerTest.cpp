// The port worker on a buffer instead of a serial device, on the test's own thread: what it
// queues and announces of the bytes it receives, and what it writes of the cued buffers.
#include "CPortWorker.h"
#include "CReplyNotice.h"
#include "CWriteEvent.h"
#include "IWindowTarget.h"
#include "QMgr.h"

#include <QBuffer>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The test is the window that gets the worker's notices.
class PortWorkerTest : public ::testing::Test, public IWindowTarget {
protected:
    void SetUp() override {
        device.open(QIODevice::ReadWrite);
        worker.Attach(&device);
        worker.AdviseRead(nReadQueue, &notice);
        worker.AdviseWrite({nWriteQueue, REPLY_SIGNAL_EVENT, &event, nullptr, 0});
    }

    void OnWindowMessage(std::uint32_t message) override { messages.push_back(message); }

    // Takes every telegram off the read queue, as the frame's handler does.
    Texts Drain() {
        Texts texts;
        while (Buffer* pBuffer = qmgr.GetBuf(nReadQueue)) {
            texts.emplace_back(pBuffer->m_szText, pBuffer->m_nLength);
            qmgr.PutBuf(0, pBuffer);
        }
        return texts;
    }

    // The bytes arrive in one batch, as one readyRead.
    void Arrive(const std::string& bytes) {
        const qint64 position = device.pos();
        device.buffer().append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        device.seek(position);
        emit device.readyRead();
    }

    QMgr qmgr;
    const std::uint32_t nReadQueue = qmgr.QGet();
    const std::uint32_t nWriteQueue = qmgr.QGet();
    CReplyNotice notice{*this, 101, qmgr, nReadQueue};
    std::vector<std::uint32_t> messages;
    CWriteEvent event;
    CPortWorker worker{qmgr};
    // The worker's from SetUp on.
    QBuffer& device = *new QBuffer;
};

TEST_F(PortWorkerTest, OneNoticePerBatchAndNoneForABatchAlreadyDrained) {
    Arrive("$1.0 ^^^^\r\n$2.0 <<--\r\n");
    Arrive("$3.0 -->>\r\n");
    Buffer* pFirst = qmgr.GetBuf(nReadQueue);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_STREQ(pFirst->m_szText, "$1.0 ^^^^");
    qmgr.PutBuf(0, pFirst);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, std::vector<std::uint32_t>{101});
    EXPECT_EQ(Drain(), (Texts{"$2.0 <<--", "$3.0 -->>"}));

    // A notice posted for telegrams that someone else drained first stays silent.
    Arrive("$4.0 ^^^^\n");
    Drain();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, std::vector<std::uint32_t>{101});
    EXPECT_EQ(qmgr.Count(0), QMGR_BUFFER_COUNT);
}

TEST_F(PortWorkerTest, AFloodKeepsTheNewestTelegramsInTheFixedPool) {
    std::string flood(1 << 16, 'x');
    flood += "\n";
    for (int i = 1; i <= 1000; ++i)
        flood += "$" + std::to_string(i) + ".0 ^^^^\r\n";
    Arrive(flood);
    EXPECT_EQ(qmgr.Count(0), QMGR_BUFFER_COUNT - 32);
    const Texts texts = Drain();
    ASSERT_EQ(texts.size(), 32u);
    EXPECT_EQ(texts.front(), "$969.0 ^^^^");
    EXPECT_EQ(texts.back(), "$1000.0 ^^^^");
}

TEST_F(PortWorkerTest, CuedBuffersGoOutInOrderAndComeBack) {
    for (const std::string text : {"$10%", "\n", "$9%"}) {
        Buffer* pBuffer = qmgr.GetBuf(0);
        text.copy(pBuffer->m_szText, text.size());
        pBuffer->m_nLength = static_cast<std::uint32_t>(text.size());
        qmgr.PutBuf(nWriteQueue, pBuffer);
    }
    worker.WriteQueued();
    EXPECT_EQ(device.data(), QByteArray("$10%\n$9%"));
    EXPECT_TRUE(event.IsSet());
    EXPECT_EQ(qmgr.Count(0), QMGR_BUFFER_COUNT);
}

} // namespace
