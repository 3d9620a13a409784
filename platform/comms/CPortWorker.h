#pragma once
// Owns the port on the instrument's worker thread: opens and configures it, cuts what it
// receives into telegrams on the read queue, announces them, and writes the cued buffers.
// Everything but IsOpen runs on the thread the worker lives on.

#include "CTelegramCutter.h"
#include "ReplyMechanism.h"
#include "eCommProp.h"

#include <QObject>
#include <atomic>
#include <cstdint>

struct Buffer;
class CReplyNotice;
class QIODevice;
class QMgr;

class CPortWorker : public QObject {
    Q_OBJECT
public:
    explicit CPortWorker(QMgr& qmgr) : m_qmgr(qmgr) {}

    // Opens the serial device at the rate, 8N1; false when it did not open.
    bool OpenPort(const QString& strDevice, qint32 nBaud);
    // Serves an open device the worker takes over; OpenPort's serial port, or a test's buffer.
    void Attach(QIODevice* pDevice);
    void ApplyProperty(eCommProp eProp, std::uint32_t nValue);
    // Received telegrams go onto the queue and the notice is posted; none drops them.
    void AdviseRead(std::uint32_t nQueue, CReplyNotice* pNotice);
    void AdviseWrite(const ReplyMechanism& mechanism) { m_write = mechanism; }
    // Sends the write queue's buffers in order and recycles them to queue 0; while the port is
    // not open, or the far end reads nothing, they are recycled unsent.
    void WriteQueued();

    // Any thread. False once the port failed (device unplugged, far end hung up) or never
    // opened.
    bool IsOpen() const { return m_bOpen; }
    // Any thread once OpenPort returned, which alone writes it: the port's own words for why it
    // did not open; "" when it opened.
    QString Error() const { return m_strError; }

private:
    void OnReadyRead();
    Buffer* TakeReadBuffer();
    void WriteBuffer(const Buffer& buffer);
    void ClosePort();

    QMgr& m_qmgr;
    QIODevice* m_pDevice = nullptr;
    CTelegramCutter m_cutter;
    std::uint32_t m_nReadQueue = 0;
    CReplyNotice* m_pNotice = nullptr;
    ReplyMechanism m_write;
    std::atomic<bool> m_bOpen = false;
    QString m_strError;
};
