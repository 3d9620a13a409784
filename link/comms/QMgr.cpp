#include "QMgr.h"

#include <algorithm>

QMgr::QMgr() {
    auto& freeQueue = m_queues[0];
    for (auto& buffer : m_pool)
        freeQueue.push_back(&buffer);
}

std::uint32_t QMgr::QGet() {
    do
        ++m_nLastQueue;
    while (m_nLastQueue == 0 || m_queues.contains(m_nLastQueue));
    m_queues[m_nLastQueue];
    return m_nLastQueue;
}

int QMgr::QRelease(std::uint32_t nQueue) {
    const auto it = m_queues.find(nQueue);
    if (nQueue == 0 || it == m_queues.end())
        return 0;
    auto& freeQueue = m_queues[0];
    freeQueue.insert(freeQueue.end(), it->second.begin(), it->second.end());
    m_queues.erase(it);
    return 1;
}

Buffer* QMgr::GetBuf(std::uint32_t nQueue) {
    const auto it = m_queues.find(nQueue);
    if (it == m_queues.end() || it->second.empty())
        return nullptr;
    Buffer* pBuffer = it->second.front();
    it->second.pop_front();
    return pBuffer;
}

// Only a buffer of this pool, and one no queue holds: nothing is queued twice.
int QMgr::PutBuf(std::uint32_t nQueue, Buffer* pBuffer) {
    const auto it = m_queues.find(nQueue);
    const bool bOurs = std::any_of(m_pool.begin(), m_pool.end(),
                                   [pBuffer](const Buffer& buffer) { return &buffer == pBuffer; });
    const bool bQueued = std::any_of(m_queues.begin(), m_queues.end(), [pBuffer](const auto& q) {
        return std::find(q.second.begin(), q.second.end(), pBuffer) != q.second.end();
    });
    if (it == m_queues.end() || !bOurs || bQueued)
        return 0;
    it->second.push_back(pBuffer);
    return 1;
}

std::size_t QMgr::Count(std::uint32_t nQueue) const {
    const auto it = m_queues.find(nQueue);
    return it == m_queues.end() ? 0 : it->second.size();
}
