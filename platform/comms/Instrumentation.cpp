#include "Instrumentation.h"

#include "CDCB.h"
#include "CPortWorker.h"
#include "CReplyPoster.h"
#include "PortNamespace.h"
#include "ReplyMechanism.h"

#include <QFile>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

Instrumentation::Instrumentation() : m_pWorker(new CPortWorker(m_state)) {
    m_thread.setObjectName(QStringLiteral("quendix-comms"));
    m_pWorker->moveToThread(&m_thread);
    m_thread.start();
}

Instrumentation::~Instrumentation() {
    RunOnWorker([this] { m_pWorker->ClosePort(); });
    m_thread.quit();
    m_thread.wait();
    // The thread has ended, so nothing runs in the worker any more.
    delete m_pWorker;
    if (m_pPoster)
        m_pPoster->Retire();
}

template <typename Work> void Instrumentation::RunOnWorker(Work&& work) {
    QMetaObject::invokeMethod(m_pWorker, std::forward<Work>(work), Qt::BlockingQueuedConnection);
}

int Instrumentation::Initialise(CDCB* pDcb) {
    if (!pDcb)
        return 0;
    m_state.SetQMgr(pDcb->m_pQMgr);
    const std::size_t nameLength = strnlen(pDcb->m_szName, CDCB_NAME_SIZE);
    if (nameLength == CDCB_NAME_SIZE || pDcb->m_nBaud == 0 ||
        pDcb->m_nBaud > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return 0;
    const std::string device = ResolvePortDevice(std::string_view(pDcb->m_szName, nameLength));
    if (device.empty())
        return 0;
    const QString strDevice = QFile::decodeName(QByteArray::fromStdString(device));
    const auto nBaud = static_cast<qint32>(pDcb->m_nBaud);
    bool bOpened = false;
    RunOnWorker([&] { bOpened = m_pWorker->OpenPort(strDevice, nBaud); });
    return bOpened ? 1 : 0;
}

void Instrumentation::SetComm(std::uint32_t nChannel, eCommProp eProp, std::uint32_t nValue) {
    if (nChannel != COMM_CHANNEL)
        return;
    RunOnWorker([&] { m_pWorker->ApplyProperty(eProp, nValue); });
}

void Instrumentation::AdviseRead(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel != COMM_CHANNEL || !pMechanism)
        return;
    CReplyPoster* pOld = m_pPoster;
    m_pPoster = nullptr;
    CChannelState::PostNotice postNotice;
    if (pMechanism->m_nKind == REPLY_POST_MESSAGE && pMechanism->m_pWindow) {
        m_pPoster = new CReplyPoster(m_state);
        postNotice = [pPoster = m_pPoster] { pPoster->Post(); };
    }
    m_state.SetReadMechanism(*pMechanism, std::move(postNotice));
    if (pOld)
        pOld->Retire();
}

void Instrumentation::AdviseWrite(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel == COMM_CHANNEL && pMechanism)
        m_state.SetWriteMechanism(*pMechanism);
}

void Instrumentation::CueWrite(std::uint32_t nChannel) {
    if (nChannel != COMM_CHANNEL)
        return;
    QMetaObject::invokeMethod(
        m_pWorker, [pWorker = m_pWorker] { pWorker->WriteQueued(); }, Qt::QueuedConnection);
}

bool Instrumentation::IsPortOpen() const {
    return m_pWorker->IsOpen();
}

CommStats Instrumentation::GetStats() const {
    CommStats stats = m_state.GetStats();
    stats.nLinesTooLong = m_pWorker->LinesTooLong();
    return stats;
}
