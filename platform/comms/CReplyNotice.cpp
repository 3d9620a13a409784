#include "CReplyNotice.h"

#include "IWindowTarget.h"
#include "QMgr.h"

CReplyNotice::CReplyNotice(IWindowTarget& target, std::uint32_t nMessage, const QMgr& qmgr,
                           std::uint32_t nQueue)
    : m_target(target), m_nMessage(nMessage), m_qmgr(qmgr), m_nQueue(nQueue) {}

void CReplyNotice::Post() {
    if (!m_bPending.exchange(true))
        QMetaObject::invokeMethod(this, &CReplyNotice::Deliver, Qt::QueuedConnection);
}

void CReplyNotice::Deliver() {
    m_bPending = false;
    // A batch that an earlier handler already drained makes no empty reply.
    if (m_qmgr.Count(m_nQueue) == 0)
        return;
    // The handler may close or reopen the link, which destroys this object: nothing follows.
    m_target.OnWindowMessage(m_nMessage);
}
