#include "Instrumentation.h"

#include "CDCB.h"
#include "CTelnetFilter.h"
#include "LinkCategory.h"
#include "NetworkAddress.h"
#include "QMgr.h"
#include "TickCount.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>
#include <QTcpSocket>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

using Cause = LinkState::Cause;
using State = PortReport::State;

namespace {

// What a port may hold of received bytes; beyond it the kernel keeps them.
constexpr qint64 PORT_READ_BUFFER = 64 * 1024;
// Unsent bytes beyond which the far end is taken as not reading and new writes are dropped.
constexpr qint64 WRITE_BACKLOG_LIMIT = 4096;
// Unread telegrams kept at most; the oldest makes room for a newer one. The rest of the pool
// stays free for the program's writes.
constexpr std::size_t READ_BACKLOG_LIMIT = 32;
constexpr std::size_t GREETING_KEPT = 256;
// TCP: a server gone silent without closing is noticed by keepalive within about two minutes
// (60 s idle, then 6 probes 10 s apart), and writes nobody acknowledges end the connection
// after 30 s, instead of showing "Connected" for a quarter of an hour.
constexpr std::array<std::pair<int, int>, 4> TCP_OPTIONS = {
    {{TCP_KEEPIDLE, 60}, {TCP_KEEPINTVL, 10}, {TCP_KEEPCNT, 6}, {TCP_USER_TIMEOUT, 30000}}};

// What the socket's error means for the operator.
constexpr std::array<std::pair<QAbstractSocket::SocketError, Cause>, 4> SOCKET_CAUSES = {{
    {QAbstractSocket::ConnectionRefusedError, Cause::ConnectionRefused},
    {QAbstractSocket::HostNotFoundError, Cause::HostNotFound},
    {QAbstractSocket::NetworkError, Cause::NetworkUnreachable},
    {QAbstractSocket::RemoteHostClosedError, Cause::ServerClosed},
}};

Cause CauseOf(QAbstractSocket::SocketError error) {
    const auto* known = std::find_if(SOCKET_CAUSES.begin(), SOCKET_CAUSES.end(),
                                     [error](const auto& entry) { return entry.first == error; });
    return known == SOCKET_CAUSES.end() ? Cause::NetworkError : known->second;
}

void KeepWatch(QTcpSocket& socket) {
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    for (const auto& [option, value] : TCP_OPTIONS)
        setsockopt(static_cast<int>(socket.socketDescriptor()), IPPROTO_TCP, option, &value,
                   sizeof value);
}

} // namespace

Instrumentation::Instrumentation(PortNamespace ports) : m_ports(std::move(ports)) {}

Instrumentation::~Instrumentation() {
    if (m_pWindow)
        QCoreApplication::removePostedEvents(m_pWindow, WindowMessageEvent(m_read.m_nMessage));
}

int Instrumentation::Initialise(CDCB* pDcb) {
    if (!pDcb || !pDcb->m_pQMgr || m_pQMgr)
        return 0;
    m_pQMgr = pDcb->m_pQMgr;
    m_nBaud = pDcb->m_nBaud;
    m_report.state = State::Failed;
    const std::size_t nameLength = strnlen(pDcb->m_szName, CDCB_NAME_SIZE);
    if (nameLength == CDCB_NAME_SIZE || m_nBaud == 0 ||
        m_nBaud > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return 0;
    const std::string target = m_ports.Resolve(std::string_view(pDcb->m_szName, nameLength));
    if (NetworkAddress::IsNetworkName(target))
        return Connect(NetworkAddress::Parse(target)) ? 1 : 0;
    return !target.empty() && OpenDevice(target, static_cast<qint32>(m_nBaud)) ? 1 : 0;
}

bool Instrumentation::OpenDevice(const std::string& device, qint32 nBaud) {
    // An unplugged device is asked for at every tick: the system says it is not there at a
    // fraction of what an opening attempt costs.
    if (access(device.c_str(), F_OK) != 0) {
        m_report.error = std::strerror(errno);
        return false;
    }
    auto* pPort = new QSerialPort(QFile::decodeName(QByteArray::fromStdString(device)), this);
    pPort->setBaudRate(nBaud);
    pPort->setReadBufferSize(PORT_READ_BUFFER);
    if (!pPort->open(QIODevice::ReadWrite)) {
        m_report.error = pPort->errorString().toStdString();
        delete pPort;
        return false;
    }
    // A lost device or a far end that hung up: QSerialPort would repeat the error without end
    // at full CPU while the port stays open, so close it at once.
    connect(pPort, &QSerialPort::errorOccurred, this,
            [this, pPort](QSerialPort::SerialPortError e) {
                if (e == QSerialPort::ReadError || e == QSerialPort::WriteError ||
                    e == QSerialPort::ResourceError) {
                    m_report.state = State::Lost;
                    pPort->close();
                }
            });
    m_pPort = pPort;
    connect(m_pPort, &QIODevice::readyRead, this, &Instrumentation::OnReadyRead);
    m_report.state = State::Open;
    return true;
}

bool Instrumentation::Connect(const NetworkAddress& address) {
    if (!address.error.empty()) {
        m_report.cause = Cause::BadAddress;
        m_report.error = address.error;
        return false;
    }
    m_pSocket = new QTcpSocket(this);
    m_pSocket->setReadBufferSize(PORT_READ_BUFFER);
    m_bTelnet = address.protocol == NetworkAddress::Protocol::Rfc2217;
    connect(m_pSocket, &QAbstractSocket::connected, this, &Instrumentation::OnConnected);
    connect(m_pSocket, &QAbstractSocket::errorOccurred, this, &Instrumentation::OnSocketError);
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &Instrumentation::OnTimeout);
    m_timeout.start(address.timeout);
    m_report.state = State::Opening;
    m_pSocket->connectToHost(address.host, address.port);
    return true;
}

// RFC 2217: the telnet filter runs on what the socket reads and writes, and the port opens once
// the server took the line settings, or refused them.
void Instrumentation::OnConnected() {
    KeepWatch(*m_pSocket);
    m_pPort = m_pSocket;
    connect(m_pPort, &QIODevice::readyRead, this, &Instrumentation::OnReadyRead);
    if (m_bTelnet) {
        m_pTelnet = std::make_unique<CTelnetFilter>(m_nBaud, [this](std::string_view bytes) {
            m_pSocket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        });
        return;
    }
    m_timeout.stop();
    m_report.state = State::Open;
}

// What the server said before it closed is read first: it may explain the closing.
void Instrumentation::OnSocketError(QAbstractSocket::SocketError error) {
    if (m_pPort && m_pPort->isOpen())
        OnReadyRead();
    if (m_report.state == State::Opening || m_report.state == State::Open)
        Fail(CauseOf(error), m_pSocket->errorString());
}

void Instrumentation::OnTimeout() {
    const QString seconds = QString::number(m_timeout.interval() / 1000.0);
    if (m_pTelnet)
        Fail(Cause::NoTelnet, QStringLiteral("no telnet negotiation within %1 s").arg(seconds));
    else
        Fail(Cause::NoAnswer, QStringLiteral("no answer within %1 s").arg(seconds));
}

void Instrumentation::Fail(Cause cause, const QString& error) {
    m_report.state = m_report.state == State::Open ? State::Lost : State::Failed;
    m_report.cause = cause;
    m_report.error = error.toStdString();
    m_timeout.stop();
    m_pSocket->abort();
}

// The line is 8N1 on every transport, the one line the program asks for: QSerialPort opens
// at it, and the telnet filter asks the server for it.
void Instrumentation::SetComm(std::uint32_t nChannel, eCommProp eProp, std::uint32_t nValue) {
    if (nChannel == COMM_CHANNEL && eProp == COMM_TERMINATOR && nValue <= 0xFF)
        m_cutter.SetTerminator(static_cast<char>(nValue));
}

void Instrumentation::AdviseRead(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel != COMM_CHANNEL || !pMechanism)
        return;
    const bool bPosts = pMechanism->m_nKind == REPLY_POST_MESSAGE && pMechanism->m_pWindow &&
                        pMechanism->m_nQueue != 0;
    m_read = bPosts ? *pMechanism : ReplyMechanism{};
    m_pWindow = m_read.m_pWindow;
}

void Instrumentation::AdviseWrite(std::uint32_t nChannel, ReplyMechanism* pMechanism) {
    if (nChannel == COMM_CHANNEL && pMechanism)
        m_write = *pMechanism;
}

// The batch's telegrams go onto the read queue; the window hears of them when the queue was
// empty, as its handler drains the queue whole: a drained queue never makes an empty reply.
void Instrumentation::OnReadyRead() {
    std::array<char, 4096> chunk;
    const bool bWasEmpty = m_pQMgr->Count(m_read.m_nQueue) == 0;
    bool bQueued = false;
    qint64 nRead = 0;
    while (m_pPort->isOpen() && (nRead = m_pPort->read(chunk.data(), chunk.size())) > 0) {
        std::string_view bytes(chunk.data(), static_cast<std::size_t>(nRead));
        if (m_pTelnet)
            bytes = bytes.substr(0, m_pTelnet->Receive(bytes, chunk.data()));
        if (m_pSocket && !m_bWritten) {
            Greet(bytes);
            continue;
        }
        while (!bytes.empty()) {
            std::string_view telegram;
            bytes.remove_prefix(m_cutter.Cut(bytes, telegram));
            TellDroppedLine();
            bQueued = Queue(telegram) || bQueued;
        }
    }
    if (m_pTelnet && m_pTelnet->IsCompressed() &&
        (m_report.state == State::Opening || m_report.state == State::Open))
        Fail(
            Cause::NetworkError,
            QStringLiteral("the server compresses its data (MCCP), as no serial-port server does"));
    if (m_pTelnet && m_report.state == State::Opening &&
        m_pTelnet->State() != CTelnetFilter::ComPort::Offered) {
        m_timeout.stop();
        m_report.state = State::Open;
        if (m_pTelnet->State() == CTelnetFilter::ComPort::Refused)
            m_report.cause = Cause::NoComPort;
    }
    if (bQueued && bWasEmpty)
        QCoreApplication::postEvent(m_pWindow, new QEvent(WindowMessageEvent(m_read.m_nMessage)));
}

// What a server sends before anything was written is its own, not the unit's: kept for the
// diagnosis. A telnet server's first byte is 0xFF, which a raw connection cannot speak with.
void Instrumentation::Greet(std::string_view bytes) {
    if (!m_pTelnet && m_report.greeting.empty() && bytes.front() == '\xFF') {
        Fail(Cause::TelnetServer, QStringLiteral("its first byte is 0xFF"));
        return;
    }
    m_report.greeting.append(bytes);
    if (m_report.greeting.size() > GREETING_KEPT)
        m_report.greeting.erase(0, m_report.greeting.size() - GREETING_KEPT);
}

// Once for each run of lines too long to keep: a unit that sends only such lines is one line.
void Instrumentation::TellDroppedLine() {
    const std::size_t length = m_cutter.DroppedLength();
    if (length == 0 || m_bDroppingToldOnce)
        return;
    m_bDroppingToldOnce = true;
    qCWarning(lcLink,
              "A line of %zu bytes from the unit is longer than a telegram can be (%zu bytes): "
              "dropped; more such lines are dropped without a word until a telegram fits again",
              length, BUFFER_TEXT_MAX);
}

bool Instrumentation::Queue(std::string_view telegram) {
    if (telegram.empty() || !m_pWindow)
        return false;
    m_bDroppingToldOnce = false;
    Buffer* pBuffer = m_pQMgr->Count(m_read.m_nQueue) >= READ_BACKLOG_LIMIT
                          ? m_pQMgr->GetBuf(m_read.m_nQueue)
                          : m_pQMgr->GetBuf(0);
    if (!pBuffer)
        return false;
    pBuffer->Fill(BUFFER_KIND_READ, COMM_CHANNEL, TickCount(), telegram);
    if (m_pQMgr->PutBuf(m_read.m_nQueue, pBuffer))
        return true;
    m_pQMgr->PutBuf(0, pBuffer);
    return false;
}

void Instrumentation::CueWrite(std::uint32_t nChannel) {
    if (nChannel != COMM_CHANNEL || !m_pQMgr)
        return;
    while (Buffer* pBuffer = m_pQMgr->GetBuf(m_write.m_nQueue)) {
        Write(*pBuffer);
        m_pQMgr->PutBuf(0, pBuffer);
    }
    if (m_write.m_nKind == REPLY_SIGNAL_EVENT && m_write.m_pEvent)
        m_write.m_pEvent->m_bSet = true;
}

void Instrumentation::Write(const Buffer& buffer) {
    if (m_report.state != State::Open || !m_pPort->isOpen() ||
        m_pPort->bytesToWrite() > WRITE_BACKLOG_LIMIT)
        return;
    const std::string_view text(buffer.m_szText,
                                std::min<std::size_t>(buffer.m_nLength, BUFFER_TEXT_MAX));
    if (m_pTelnet)
        m_pTelnet->SendData(text);
    else
        m_pPort->write(text.data(), static_cast<qint64>(text.size()));
    m_bWritten = true;
    // Out now, as far as the port takes it without waiting, rather than at the event loop's
    // next turn.
    if (auto* pSerial = qobject_cast<QSerialPort*>(m_pPort))
        pSerial->flush();
    else
        m_pSocket->flush();
}
