#include "QMgr.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(QMgrTest, QueuesAreDistinctFifoAndGiveTheirBuffersBackOnRelease) {
    QMgr qmgr;
    std::set<std::uint32_t> numbers;
    for (int i = 0; i < 10; ++i)
        numbers.insert(qmgr.QGet());
    EXPECT_EQ(numbers.size(), 10u);
    EXPECT_FALSE(numbers.contains(0));
    const auto q = *numbers.begin();
    Buffer* first = qmgr.GetBuf(0);
    Buffer* second = qmgr.GetBuf(0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(qmgr.PutBuf(q, first), 1);
    EXPECT_EQ(qmgr.PutBuf(q, second), 1);
    EXPECT_EQ(qmgr.Count(0), QMGR_BUFFER_COUNT - 2);
    EXPECT_EQ(qmgr.GetBuf(q), first);
    EXPECT_EQ(qmgr.QRelease(q), 1);
    EXPECT_EQ(qmgr.Count(0), QMGR_BUFFER_COUNT - 1);
    EXPECT_EQ(qmgr.QRelease(q), 0);
    EXPECT_EQ(qmgr.QRelease(0), 0);
    EXPECT_EQ(qmgr.PutBuf(q, first), 0);
}

TEST(QMgrTest, PoolNeverGrowsNorTakesWhatWouldCorruptIt) {
    QMgr qmgr;
    QMgr other;
    Buffer stranger;
    EXPECT_EQ(qmgr.PutBuf(0, &stranger), 0);
    EXPECT_EQ(qmgr.PutBuf(0, other.GetBuf(0)), 0);
    EXPECT_EQ(qmgr.PutBuf(0, nullptr), 0);
    std::vector<Buffer*> taken;
    while (Buffer* pBuffer = qmgr.GetBuf(0))
        taken.push_back(pBuffer);
    EXPECT_EQ(taken.size(), QMGR_BUFFER_COUNT);
    EXPECT_EQ(qmgr.PutBuf(0, taken[0]), 1);
    EXPECT_EQ(qmgr.PutBuf(0, taken[0]), 0) << "queued twice";
    EXPECT_EQ(qmgr.Count(0), 1u);
    EXPECT_EQ(qmgr.GetBuf(12345), nullptr);
}

} // namespace
