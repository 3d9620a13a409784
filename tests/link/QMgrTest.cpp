#include "QMgr.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(QMgrTest, QueuesAreFifoAndThePoolNeitherGrowsNorTakesWhatWouldCorruptIt) {
    QMgr qmgr;
    Buffer stranger;
    const auto q = qmgr.QGet();
    EXPECT_NE(q, 0u);
    EXPECT_NE(qmgr.QGet(), q);
    Buffer* first = qmgr.GetBuf(0);
    Buffer* second = qmgr.GetBuf(0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(qmgr.PutBuf(q, first), 1);
    EXPECT_EQ(qmgr.PutBuf(q, second), 1);
    EXPECT_EQ(qmgr.PutBuf(0, first), 0) << "queued twice";
    EXPECT_EQ(qmgr.PutBuf(0, &stranger), 0);
    EXPECT_EQ(qmgr.GetBuf(q), first);
    EXPECT_EQ(qmgr.QRelease(q), 1);
    EXPECT_EQ(qmgr.QRelease(q), 0);
    EXPECT_EQ(qmgr.QRelease(0), 0);
    EXPECT_EQ(qmgr.PutBuf(q, first), 0);
    EXPECT_EQ(qmgr.GetBuf(q), nullptr);
    // The released queue's buffer went back; the one taken out is still out.
    std::vector<Buffer*> taken;
    while (Buffer* pBuffer = qmgr.GetBuf(0))
        taken.push_back(pBuffer);
    EXPECT_EQ(taken.size(), QMGR_BUFFER_COUNT - 1);
}

} // namespace
