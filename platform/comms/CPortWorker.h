#pragma once
// Owns the serial port on the library's worker thread: opens and configures it, cuts what it
// receives into telegrams for the read queue and writes the cued buffers.

#include "CTelegramCutter.h"
#include "eCommProp.h"

#include <QObject>
#include <QSerialPort>
#include <atomic>
#include <cstdint>

class CChannelState;

class CPortWorker : public QObject {
    Q_OBJECT
public:
    explicit CPortWorker(CChannelState& state);

    // These run on the worker's thread.
    bool OpenPort(const QString& strDevice, qint32 nBaud);
    void ApplyProperty(eCommProp eProp, std::uint32_t nValue);
    void WriteQueued();
    void ClosePort();

    // Any thread.
    bool IsOpen() const { return m_bOpen.load(); }
    std::uint64_t LinesTooLong() const { return m_cutter.LinesTooLong(); }

private:
    void OnReadyRead();
    void OnErrorOccurred(QSerialPort::SerialPortError error);
    bool WriteBytes(const char* pData, std::size_t nLength);

    CChannelState& m_state;
    QSerialPort m_port;
    CTelegramCutter m_cutter;
    CTelegramCutter::Sink m_deliver;
    std::atomic<bool> m_bOpen = false;
};
