#pragma once
// The program's one connection to the ranging unit: opens and configures the port through the
// communications library, queues outgoing texts, drains received telegrams and tears everything
// down again. It moves whole texts and knows nothing of the protocol.

#include "Instrumentation.h"
#include "PortNamespace.h"
#include "ReplyMechanism.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QMgr;
class QObject;

class CSerialLink {
public:
    // Yields the application's main window at the moment of asking, or null when there is none.
    using MainWindowLookup = std::function<QObject*()>;

    // The ports name the devices that the port names stand for.
    CSerialLink(MainWindowLookup findMainWindow, PortNamespace ports);
    // Closes the link if the owner has not, so no port outlives it.
    virtual ~CSerialLink();
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;

    // Rebuilds the library objects and opens the port; true when a device opened or a network
    // connection was started. Even when not, the queues exist and Send queues and cues as usual.
    bool Open(std::uint32_t nMessage);
    void Close();
    // Up to the first NUL; a text longer than a library buffer is dropped like one for which
    // no buffer is free.
    void Send(std::string_view text);
    // The text of the last telegram waiting, "" when there is none; all of them are consumed.
    std::string Receive();

    std::string GetPortName() const { return m_strPortName; }
    void SetPortName(const std::string& strPortName) { m_strPortName = strPortName; }
    int GetBaud() const { return m_nBaud; }
    void SetBaud(int nBaud) { m_nBaud = nBaud; }
    // True while the port works: opened, and (a network port) connected. False after a failed
    // open, after Close, while a connection is being made, and once the port was lost.
    bool IsConnected() const;
    // True while a network connection is being made: the next opening would only restart it.
    bool IsOpening() const;
    // True once a port that worked was lost: the device unplugged, the far end hung up.
    bool IsLost() const;
    // What the port did; a closed report while the link is closed.
    PortReport Report() const;
    // The queue manager while open, null while closed; for diagnostics and tests.
    const QMgr* GetQMgr() const { return m_pQMgr.get(); }

private:
    bool IsIn(PortReport::State state) const;
    void SetCommProperties();

    ReplyMechanism m_rmRead;
    ReplyMechanism m_rmWrite;
    std::unique_ptr<QMgr> m_pQMgr;
    // Declared before the instrument, which signals it, so that it is destroyed after it.
    std::unique_ptr<CWriteEvent> m_pWriteEvent;
    std::unique_ptr<Instrumentation> m_pInstrument;
    std::uint32_t m_nChannel;
    std::string m_strPortName = "\\\\.\\COM5";
    int m_nBaud = 9600;
    bool m_bConnected = false;
    MainWindowLookup m_findMainWindow;
    const PortNamespace m_ports;
};
