#include "Instrumentation.h"

#include "CDCB.h"
#include "CPortWorker.h"
#include "CReplyNotice.h"
#include "ReplyMechanism.h"

#include <QFile>
#include <cstring>
#include <limits>
#include <string>

Instrumentation::Instrumentation(PortNamespace ports) : m_ports(std::move(ports)) {
    m_thread.setObjectName(QStringLiteral("quendix-comms"));
    m_thread.start();
}

Instrumentation::~Instrumentation() {
    // The worker and its port go with the thread's end, on the thread itself.
    m_thread.quit();
    m_thread.wait();
}

template <typename Work> void Instrumentation::RunOnWorker(Work&& work) {
    if (m_pWorker)
        QMetaObject::invokeMethod(m_pWorker, std::forward<Work>(work),
                                  Qt::BlockingQueuedConnection);
}

int Instrumentation::Initialise(CDCB* pDcb) {
    if (!pDcb || !pDcb->m_pQMgr || m_pWorker)
        return 0;
    m_pQMgr = pDcb->m_pQMgr;
    m_pWorker = new CPortWorker(*m_pQMgr);
    m_pWorker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_pWorker, &QObject::deleteLater);
    const std::size_t nameLength = strnlen(pDcb->m_szName, CDCB_NAME_SIZE);
    if (nameLength == CDCB_NAME_SIZE || pDcb->m_nBaud == 0 ||
        pDcb->m_nBaud > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return 0;
    const std::string device = m_ports.Resolve(std::string_view(pDcb->m_szName, nameLength));
    if (device.empty())
        return 0;
    const QString strDevice = QFile::decodeName(QByteArray::fromStdString(device));
    const auto nBaud = static_cast<qint32>(pDcb->m_nBaud);
    bool bOpened = false;
    RunOnWorker([&] { bOpened = m_pWorker->OpenPort(strDevice, nBaud); });
    return bOpened ? 1 : 0;
}

void Instrumentation::SetComm(std::uint32_t nChannel, eCommProp eProp, std::uint32_t nValue) {
    if (nChannel == COMM_CHANNEL)
        RunOnWorker([&] { m_pWorker->ApplyProperty(eProp, nValue); });
}

void Instrumentation::AdviseRead(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel != COMM_CHANNEL || !pMechanism || !m_pWorker)
        return;
    std::unique_ptr<CReplyNotice> pNotice;
    if (pMechanism->m_nKind == REPLY_POST_MESSAGE && pMechanism->m_pWindow &&
        pMechanism->m_nQueue != 0)
        pNotice = std::make_unique<CReplyNotice>(*pMechanism->m_pWindow, pMechanism->m_nMessage,
                                                 *m_pQMgr, pMechanism->m_nQueue);
    RunOnWorker([&] { m_pWorker->AdviseRead(pMechanism->m_nQueue, pNotice.get()); });
    // The worker has let go of the previous notice; any notice it posted goes with it.
    m_pNotice = std::move(pNotice);
}

void Instrumentation::AdviseWrite(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel == COMM_CHANNEL && pMechanism)
        RunOnWorker([&] { m_pWorker->AdviseWrite(*pMechanism); });
}

void Instrumentation::CueWrite(std::uint32_t nChannel) {
    if (nChannel == COMM_CHANNEL && m_pWorker)
        QMetaObject::invokeMethod(m_pWorker, &CPortWorker::WriteQueued, Qt::QueuedConnection);
}

bool Instrumentation::IsPortOpen() const {
    return m_pWorker && m_pWorker->IsOpen();
}

std::string Instrumentation::PortError() const {
    return m_pWorker ? m_pWorker->Error().toStdString() : std::string();
}
