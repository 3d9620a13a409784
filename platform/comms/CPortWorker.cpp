#include "CPortWorker.h"

#include "CReplyNotice.h"
#include "CWriteEvent.h"
#include "QMgr.h"
#include "TickCount.h"

#include <QSerialPort>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

// What QSerialPort may hold of received bytes; beyond it the kernel keeps them.
constexpr qint64 PORT_READ_BUFFER = 64 * 1024;
// Unsent bytes beyond which the far end is taken as not reading and new writes are dropped.
constexpr qint64 WRITE_BACKLOG_LIMIT = 4096;
// Unread telegrams kept at most; the oldest makes room for a newer one. The rest of the pool
// stays free for the program's writes.
constexpr std::size_t READ_BACKLOG_LIMIT = 32;

QSerialPort::Parity ParityOf(std::uint32_t nLetter) {
    switch (nLetter) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    case 'M':
        return QSerialPort::MarkParity;
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

} // namespace

bool CPortWorker::OpenPort(const QString& strDevice, qint32 nBaud) {
    auto* pPort = new QSerialPort(strDevice, this);
    pPort->setBaudRate(nBaud);
    pPort->setReadBufferSize(PORT_READ_BUFFER);
    if (!pPort->open(QIODevice::ReadWrite)) {
        m_strError = pPort->errorString();
        delete pPort;
        return false;
    }
    // A lost device or a far end that hung up: QSerialPort would repeat the error without end
    // at full CPU while the port stays open, so close it at once.
    connect(pPort, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
            error == QSerialPort::ResourceError)
            ClosePort();
    });
    Attach(pPort);
    return true;
}

void CPortWorker::Attach(QIODevice* pDevice) {
    m_pDevice = pDevice;
    pDevice->setParent(this);
    connect(pDevice, &QIODevice::readyRead, this, &CPortWorker::OnReadyRead);
    m_bOpen = true;
}

void CPortWorker::ApplyProperty(eCommProp eProp, std::uint32_t nValue) {
    if (eProp == COMM_TERMINATOR && nValue <= 0xFF)
        m_cutter.SetTerminator(static_cast<char>(nValue));
    auto* pPort = qobject_cast<QSerialPort*>(m_pDevice);
    if (!pPort)
        return;
    if (eProp == COMM_PARITY)
        pPort->setParity(ParityOf(nValue));
    else if (eProp == COMM_DATA_BITS && nValue >= 5 && nValue <= 8)
        pPort->setDataBits(static_cast<QSerialPort::DataBits>(nValue));
    else if (eProp == COMM_STOP_BITS && (nValue == 1 || nValue == 2))
        pPort->setStopBits(static_cast<QSerialPort::StopBits>(nValue));
}

void CPortWorker::AdviseRead(std::uint32_t nQueue, CReplyNotice* pNotice) {
    m_nReadQueue = nQueue;
    m_pNotice = pNotice;
}

void CPortWorker::OnReadyRead() {
    std::array<char, 4096> chunk;
    bool bQueued = false;
    qint64 nRead = 0;
    while (m_bOpen && (nRead = m_pDevice->read(chunk.data(), chunk.size())) > 0) {
        std::string_view bytes(chunk.data(), static_cast<std::size_t>(nRead));
        while (!bytes.empty()) {
            std::string_view telegram;
            bytes.remove_prefix(m_cutter.Cut(bytes, telegram));
            Buffer* pBuffer = telegram.empty() || !m_pNotice ? nullptr : TakeReadBuffer();
            if (!pBuffer)
                continue;
            pBuffer->m_nKind = BUFFER_KIND_READ;
            pBuffer->m_nChannel = COMM_CHANNEL;
            pBuffer->m_dwTimeStamp = TickCount();
            std::memcpy(pBuffer->m_szText, telegram.data(), telegram.size());
            pBuffer->m_szText[telegram.size()] = '\0';
            pBuffer->m_nLength = static_cast<std::uint32_t>(telegram.size());
            if (m_qmgr.PutBuf(m_nReadQueue, pBuffer))
                bQueued = true;
            else
                m_qmgr.PutBuf(0, pBuffer);
        }
    }
    if (bQueued)
        m_pNotice->Post();
}

Buffer* CPortWorker::TakeReadBuffer() {
    if (m_qmgr.Count(m_nReadQueue) >= READ_BACKLOG_LIMIT)
        if (Buffer* pOldest = m_qmgr.GetBuf(m_nReadQueue))
            return pOldest;
    return m_qmgr.GetBuf(0);
}

void CPortWorker::WriteQueued() {
    while (Buffer* pBuffer = m_qmgr.GetBuf(m_write.m_nQueue)) {
        WriteBuffer(*pBuffer);
        m_qmgr.PutBuf(0, pBuffer);
    }
    if (m_write.m_nKind == REPLY_SIGNAL_EVENT && m_write.m_pEvent)
        m_write.m_pEvent->Set();
}

void CPortWorker::WriteBuffer(const Buffer& buffer) {
    if (!m_bOpen || m_pDevice->bytesToWrite() > WRITE_BACKLOG_LIMIT)
        return;
    m_pDevice->write(buffer.m_szText, std::min<qint64>(buffer.m_nLength, BUFFER_TEXT_MAX));
    if (auto* pPort = qobject_cast<QSerialPort*>(m_pDevice))
        pPort->flush();
}

void CPortWorker::ClosePort() {
    m_bOpen = false;
    m_pDevice->close();
}
