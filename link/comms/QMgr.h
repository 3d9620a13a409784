#pragma once
// The queue manager: a fixed pool of buffers moved between numbered queues. Queue 0 holds
// the free buffers. Nothing grows, whatever the wire sends.

#include "Buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>

inline constexpr std::size_t QMGR_BUFFER_COUNT = 64;

class QMgr {
public:
    QMgr();
    QMgr(const QMgr&) = delete;
    QMgr& operator=(const QMgr&) = delete;

    // A new queue number, never 0 and never one in use.
    std::uint32_t QGet();
    // Gives the queue's buffers back to queue 0 and retires the number. 0 when unknown.
    int QRelease(std::uint32_t nQueue);
    // The oldest buffer of the queue, taken off it; null when the queue is empty or unknown.
    Buffer* GetBuf(std::uint32_t nQueue);
    // Appends a buffer of this pool that no queue holds. 0 when refused.
    int PutBuf(std::uint32_t nQueue, Buffer* pBuffer);
    // Buffers on the queue; 0 for an unknown queue.
    std::size_t Count(std::uint32_t nQueue) const;

private:
    std::array<Buffer, QMGR_BUFFER_COUNT> m_pool;
    std::map<std::uint32_t, std::deque<Buffer*>> m_queues;
    std::uint32_t m_nLastQueue = 0;
};
