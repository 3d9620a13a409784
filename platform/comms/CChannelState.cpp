#include "CChannelState.h"

#include "CWriteEvent.h"
#include "QMgr.h"
#include "eCommProp.h"

#include <algorithm>
#include <cstring>

void CChannelState::SetQMgr(QMgr* pQMgr) {
    std::lock_guard lock(m_mutex);
    m_pQMgr = pQMgr;
}

void CChannelState::SetReadMechanism(const ReplyMechanism& mechanism, PostNotice postNotice) {
    std::lock_guard lock(m_mutex);
    m_read = mechanism;
    m_postNotice = std::move(postNotice);
    // A notice posted to the previous receiver is gone with it.
    m_bNoticePending = false;
    if (ReadAdvised() && m_pQMgr->Count(m_read.m_nQueue) > 0)
        PostIfIdle();
}

void CChannelState::SetWriteMechanism(const ReplyMechanism& mechanism) {
    std::lock_guard lock(m_mutex);
    m_write = mechanism;
}

void CChannelState::DeliverTelegram(std::string_view text, std::uint32_t dwTick) {
    std::lock_guard lock(m_mutex);
    if (!ReadAdvised())
        return;
    Buffer* pBuffer = TakeReadBuffer();
    if (!pBuffer) {
        ++m_stats.nTelegramsLost;
        return;
    }
    const std::size_t length = std::min(text.size(), BUFFER_TEXT_MAX);
    pBuffer->m_nKind = BUFFER_KIND_READ;
    pBuffer->m_nChannel = COMM_CHANNEL;
    pBuffer->m_dwTimeStamp = dwTick;
    std::memcpy(pBuffer->m_szText, text.data(), length);
    pBuffer->m_szText[length] = '\0';
    pBuffer->m_nLength = static_cast<std::uint32_t>(length);
    if (!m_pQMgr->PutBuf(m_read.m_nQueue, pBuffer)) {
        m_pQMgr->PutBuf(0, pBuffer);
        ++m_stats.nTelegramsLost;
        return;
    }
    ++m_stats.nTelegramsQueued;
    PostIfIdle();
}

bool CChannelState::ReadAdvised() const {
    return m_pQMgr && m_read.m_nKind == REPLY_POST_MESSAGE && m_read.m_pWindow &&
           m_read.m_nQueue != 0;
}

Buffer* CChannelState::TakeReadBuffer() {
    if (m_pQMgr->Count(m_read.m_nQueue) >= READ_BACKLOG_LIMIT) {
        if (Buffer* pOldest = m_pQMgr->GetBuf(m_read.m_nQueue)) {
            ++m_stats.nTelegramsReplaced;
            return pOldest;
        }
    }
    return m_pQMgr->GetBuf(0);
}

void CChannelState::PostIfIdle() {
    if (m_bNoticePending || !m_postNotice)
        return;
    m_bNoticePending = true;
    m_postNotice();
}

void CChannelState::DrainWrites(const WriteBytes& writeBytes) {
    std::lock_guard lock(m_mutex);
    if (!m_pQMgr || m_write.m_nQueue == 0)
        return;
    while (Buffer* pBuffer = m_pQMgr->GetBuf(m_write.m_nQueue)) {
        const std::size_t length = std::min<std::size_t>(pBuffer->m_nLength, BUFFER_TEXT_MAX);
        if (writeBytes(pBuffer->m_szText, length))
            ++m_stats.nBuffersWritten;
        else
            ++m_stats.nBuffersDiscarded;
        m_pQMgr->PutBuf(0, pBuffer);
    }
    if (m_write.m_nKind == REPLY_SIGNAL_EVENT && m_write.m_pEvent)
        m_write.m_pEvent->Set();
}

std::optional<CChannelState::Notice> CChannelState::TakeNotice() {
    std::lock_guard lock(m_mutex);
    m_bNoticePending = false;
    // Only telegrams still waiting make a notice: one whose batch was already drained stays
    // silent instead of turning into an empty reply.
    if (!ReadAdvised() || m_pQMgr->Count(m_read.m_nQueue) == 0)
        return std::nullopt;
    return Notice{m_read.m_pWindow, m_read.m_nMessage};
}

CommStats CChannelState::GetStats() const {
    std::lock_guard lock(m_mutex);
    return m_stats;
}
