#include "QMgr.h"

QMgr::QMgr() {
    auto& freeQueue = m_queues[0];
    for (auto& buffer : m_pool)
        freeQueue.push_back(&buffer);
    m_queued.fill(true);
}

std::uint32_t QMgr::QGet() {
    std::lock_guard lock(m_mutex);
    do
        ++m_nLastQueue;
    while (m_nLastQueue == 0 || m_queues.contains(m_nLastQueue));
    m_queues[m_nLastQueue];
    return m_nLastQueue;
}

int QMgr::QRelease(std::uint32_t nQueue) {
    std::lock_guard lock(m_mutex);
    const auto it = m_queues.find(nQueue);
    if (nQueue == 0 || it == m_queues.end())
        return 0;
    auto& freeQueue = m_queues[0];
    freeQueue.insert(freeQueue.end(), it->second.begin(), it->second.end());
    m_queues.erase(it);
    return 1;
}

Buffer* QMgr::GetBuf(std::uint32_t nQueue) {
    std::lock_guard lock(m_mutex);
    const auto it = m_queues.find(nQueue);
    if (it == m_queues.end() || it->second.empty())
        return nullptr;
    Buffer* pBuffer = it->second.front();
    it->second.pop_front();
    m_queued[static_cast<std::size_t>(IndexOf(pBuffer))] = false;
    return pBuffer;
}

int QMgr::PutBuf(std::uint32_t nQueue, Buffer* pBuffer) {
    std::lock_guard lock(m_mutex);
    const auto it = m_queues.find(nQueue);
    const auto index = IndexOf(pBuffer);
    if (it == m_queues.end() || index < 0 || m_queued[static_cast<std::size_t>(index)])
        return 0;
    it->second.push_back(pBuffer);
    m_queued[static_cast<std::size_t>(index)] = true;
    return 1;
}

std::size_t QMgr::Count(std::uint32_t nQueue) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_queues.find(nQueue);
    return it == m_queues.end() ? 0 : it->second.size();
}

std::ptrdiff_t QMgr::IndexOf(const Buffer* pBuffer) const {
    for (std::size_t i = 0; i < m_pool.size(); ++i)
        if (&m_pool[i] == pBuffer)
            return static_cast<std::ptrdiff_t>(i);
    return -1;
}
