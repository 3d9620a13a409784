#pragma once
// One instrument, made for one opening of the link, working on the thread that calls it: it
// opens the port the CDCB names (a serial device, or a serial line on the network), cuts what
// arrives into telegrams on the read queue and posts the window its message, and writes the
// cued buffers. A network connection is made in the background of the event loop: Initialise
// starts it, and the report says when it is up.

#include "CTelegramCutter.h"
#include "LinkState.h"
#include "PortNamespace.h"
#include "ReplyMechanism.h"
#include "eCommProp.h"

#include <QAbstractSocket>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

class CTelnetFilter;
class QIODevice;
class QMgr;
class QTcpSocket;
struct Buffer;
struct CDCB;
struct NetworkAddress;

// What the port did, for the diagnosis.
struct PortReport {
    enum class State { Closed, Opening, Open, Failed, Lost };

    State state = State::Closed;
    // A network port: why it failed, or NoComPort while it works without line settings.
    LinkState::Cause cause = LinkState::Cause::Connected;
    // The port's or the socket's own words for what went wrong; "" when nothing did.
    std::string error;
    // A network port: what the server sent before anything was written, the last 256 bytes.
    std::string greeting;
};

class Instrumentation : public QObject {
public:
    explicit Instrumentation(PortNamespace ports);
    // Ends all activity on the port: it is closed, and a message not yet delivered is taken back.
    ~Instrumentation() override;

    // Opens the port the CDCB names (a Windows port name) at its baud rate and adopts its queue
    // manager. Non-zero when a device opened, or when a network connection was started.
    int Initialise(CDCB* pDcb);
    void SetComm(std::uint32_t nChannel, eCommProp eProp, std::uint32_t nValue);
    // Kind 2 with a window: every received telegram goes onto the mechanism's queue, and the
    // window gets the message once for each batch that finds the queue empty. Anything else:
    // received bytes are dropped.
    void AdviseRead(std::uint32_t nChannel, ReplyMechanism* pMechanism);
    // Kind 1 with an event: cued buffers come from the mechanism's queue and the event is set
    // after each cue. A default mechanism ends every use of the previous one.
    void AdviseWrite(std::uint32_t nChannel, ReplyMechanism* pMechanism);
    // Sends the write queue's buffers in order and recycles them to queue 0; while the port is
    // not open, or the far end reads nothing, they are recycled unsent.
    void CueWrite(std::uint32_t nChannel);

    const PortReport& Report() const { return m_report; }

private:
    bool OpenDevice(const std::string& device, qint32 nBaud);
    bool Connect(const NetworkAddress& address);
    void OnConnected();
    void OnSocketError(QAbstractSocket::SocketError error);
    void OnTimeout();
    void OnReadyRead();
    bool Queue(std::string_view telegram);
    void Greet(std::string_view bytes);
    void TellDroppedLine();
    void Fail(LinkState::Cause cause, const QString& error);
    void Write(const Buffer& buffer);

    const PortNamespace m_ports;
    QMgr* m_pQMgr = nullptr;
    std::uint32_t m_nBaud = 0;
    // The device the telegrams come through: a serial port or the network connection, a child
    // of the instrument.
    QIODevice* m_pPort = nullptr;
    QTcpSocket* m_pSocket = nullptr;
    // RFC 2217: the telnet side of the connection.
    std::unique_ptr<CTelnetFilter> m_pTelnet;
    bool m_bTelnet = false;
    // A network port: the connection attempt's time-out; RFC 2217 also waits for COM-PORT.
    QTimer m_timeout;
    CTelegramCutter m_cutter;
    ReplyMechanism m_read;
    QPointer<QObject> m_pWindow;
    ReplyMechanism m_write;
    PortReport m_report;
    // Whether anything was written on this connection: what a server sends before is no reply.
    bool m_bWritten = false;
    // Whether the lines too long to keep were told since the last telegram that fitted.
    bool m_bDroppingToldOnce = false;
};
