#include "CTelnetPort.h"

#include <QTcpSocket>

CTelnetPort::CTelnetPort(QTcpSocket& socket, std::uint32_t nBaud, QObject* pParent)
    : QIODevice(pParent), m_socket(socket), m_filter(nBaud, [this](std::string_view bytes) {
          m_socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
      }) {
    open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    connect(&socket, &QIODevice::readyRead, this, &QIODevice::readyRead);
}

qint64 CTelnetPort::bytesToWrite() const {
    return m_socket.bytesToWrite();
}

// Reads on while what arrived was negotiation only: the socket does not announce bytes it
// already holds a second time.
qint64 CTelnetPort::readData(char* pData, qint64 nMax) {
    std::size_t nData = 0;
    while (nData == 0 && m_socket.bytesAvailable() > 0) {
        const qint64 nRead = m_socket.read(pData, nMax);
        if (nRead <= 0)
            break;
        nData = m_filter.Receive(std::string_view(pData, static_cast<std::size_t>(nRead)), pData);
    }
    return static_cast<qint64>(nData);
}

qint64 CTelnetPort::writeData(const char* pData, qint64 nLength) {
    m_filter.SendData(std::string_view(pData, static_cast<std::size_t>(nLength)));
    return nLength;
}
