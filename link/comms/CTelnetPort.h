#pragma once
// An RFC 2217 port: the telnet filter over a connected TCP socket, as one device. Reading gives
// the unit's bytes only, writing doubles 0xFF, and the negotiation runs as bytes arrive.

#include "CTelnetFilter.h"

#include <QIODevice>

class QTcpSocket;

class CTelnetPort : public QIODevice {
public:
    // Opens at once over the connected socket, which must outlive it, and offers COM-PORT.
    CTelnetPort(QTcpSocket& socket, std::uint32_t nBaud, QObject* pParent);

    CTelnetFilter::ComPort ComPortState() const { return m_filter.State(); }
    bool isSequential() const override { return true; }
    qint64 bytesToWrite() const override;

protected:
    qint64 readData(char* pData, qint64 nMax) override;
    qint64 writeData(const char* pData, qint64 nLength) override;

private:
    QTcpSocket& m_socket;
    CTelnetFilter m_filter;
};
