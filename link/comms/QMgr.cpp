#include "QMgr.h"

#include <algorithm>

QMgr::QMgr() {
    auto& freeQueue = m_queues[0];
    for (auto& buffer : m_pool)
        freeQueue.push_back(&buffer);
    m_queued.fill(true);
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
    m_queued[static_cast<std::size_t>(pBuffer - m_pool.data())] = false;
    return pBuffer;
}

int QMgr::PutBuf(std::uint32_t nQueue, Buffer* pBuffer) {
    const auto it = m_queues.find(nQueue);
    // Only a buffer of this pool: the address compared with each, as no other is comparable.
    const auto inPool = std::find_if(m_pool.begin(), m_pool.end(), [pBuffer](const Buffer& buffer) {
        return &buffer == pBuffer;
    });
    if (it == m_queues.end() || inPool == m_pool.end())
        return 0;
    bool& bQueued = m_queued[static_cast<std::size_t>(inPool - m_pool.begin())];
    if (bQueued)
        return 0;
    it->second.push_back(pBuffer);
    bQueued = true;
    return 1;
}

std::size_t QMgr::Count(std::uint32_t nQueue) const {
    const auto it = m_queues.find(nQueue);
    return it == m_queues.end() ? 0 : it->second.size();
}
