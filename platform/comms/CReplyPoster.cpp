#include "CReplyPoster.h"

#include "CChannelState.h"
#include "IWindowTarget.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

QEvent::Type NoticeEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

CReplyPoster::CReplyPoster(CChannelState& state) : m_pState(&state) {}

void CReplyPoster::Post() {
    QCoreApplication::postEvent(this, new QEvent(NoticeEventType()));
}

void CReplyPoster::Retire() {
    m_pState = nullptr;
    if (m_nDispatching > 0)
        deleteLater();
    else
        delete this;
}

bool CReplyPoster::event(QEvent* pEvent) {
    if (pEvent->type() != NoticeEventType())
        return QObject::event(pEvent);
    if (!m_pState)
        return true;
    if (const auto notice = m_pState->TakeNotice()) {
        ++m_nDispatching;
        notice->pTarget->OnWindowMessage(notice->nMessage);
        --m_nDispatching;
    }
    return true;
}
