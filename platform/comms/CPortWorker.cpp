#include "CPortWorker.h"

#include "CChannelState.h"
#include "TickCount.h"

#include <array>

namespace {

// What QSerialPort may hold of received bytes; beyond it the kernel keeps them.
constexpr qint64 PORT_READ_BUFFER = 64 * 1024;
// Unsent bytes beyond which the far end is taken as not reading and new writes are dropped.
constexpr qint64 WRITE_BACKLOG_LIMIT = 4096;

} // namespace

CPortWorker::CPortWorker(CChannelState& state)
    : m_state(state), m_port(this),
      m_deliver([this](std::string_view text) { m_state.DeliverTelegram(text, TickCount()); }) {
    connect(&m_port, &QSerialPort::readyRead, this, &CPortWorker::OnReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &CPortWorker::OnErrorOccurred);
}

bool CPortWorker::OpenPort(const QString& strDevice, qint32 nBaud) {
    ClosePort();
    m_port.setPortName(strDevice);
    m_port.setBaudRate(nBaud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(PORT_READ_BUFFER);
    m_bOpen = m_port.open(QIODevice::ReadWrite);
    return m_bOpen;
}

void CPortWorker::ApplyProperty(eCommProp eProp, std::uint32_t nValue) {
    switch (eProp) {
    case COMM_PARITY:
        if (nValue == 'N')
            m_port.setParity(QSerialPort::NoParity);
        else if (nValue == 'E')
            m_port.setParity(QSerialPort::EvenParity);
        else if (nValue == 'O')
            m_port.setParity(QSerialPort::OddParity);
        else if (nValue == 'M')
            m_port.setParity(QSerialPort::MarkParity);
        else if (nValue == 'S')
            m_port.setParity(QSerialPort::SpaceParity);
        break;
    case COMM_DATA_BITS:
        if (nValue >= 5 && nValue <= 8)
            m_port.setDataBits(static_cast<QSerialPort::DataBits>(nValue));
        break;
    case COMM_STOP_BITS:
        if (nValue == 1 || nValue == 2)
            m_port.setStopBits(static_cast<QSerialPort::StopBits>(nValue));
        break;
    case COMM_TERMINATOR:
        if (nValue <= 0xFF)
            m_cutter.SetTerminator(static_cast<char>(nValue));
        break;
    }
}

void CPortWorker::WriteQueued() {
    m_state.DrainWrites(
        [this](const char* pData, std::size_t nLength) { return WriteBytes(pData, nLength); });
    if (m_port.isOpen())
        m_port.flush();
}

bool CPortWorker::WriteBytes(const char* pData, std::size_t nLength) {
    if (!m_port.isOpen() || m_port.bytesToWrite() > WRITE_BACKLOG_LIMIT)
        return false;
    return m_port.write(pData, static_cast<qint64>(nLength)) == static_cast<qint64>(nLength);
}

void CPortWorker::ClosePort() {
    if (m_port.isOpen())
        m_port.close();
    m_bOpen = false;
}

void CPortWorker::OnReadyRead() {
    std::array<char, 4096> chunk;
    qint64 nRead = 0;
    while ((nRead = m_port.read(chunk.data(), chunk.size())) > 0)
        m_cutter.Feed(std::string_view(chunk.data(), static_cast<std::size_t>(nRead)), m_deliver);
}

void CPortWorker::OnErrorOccurred(QSerialPort::SerialPortError error) {
    // A lost device or a far end that hung up: QSerialPort would repeat the error without end
    // at full CPU while the port stays open, so close it at once.
    if (error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
        error == QSerialPort::ResourceError)
        ClosePort();
}
