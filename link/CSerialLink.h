#pragma once
// The program's one connection to the ranging unit: opens and configures the serial device
// through the communications library, queues outgoing texts, drains received telegrams and
// tears everything down again. It moves whole texts and knows nothing of the protocol.

#include "PortNamespace.h"
#include "ReplyMechanism.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CWriteEvent;
class IWindowTarget;
class Instrumentation;
class QMgr;

class CSerialLink {
public:
    // Yields the application's main window at the moment of asking, or null when there is none.
    using MainWindowLookup = std::function<IWindowTarget*()>;

    // The ports name the devices that the port names stand for.
    CSerialLink(MainWindowLookup findMainWindow, PortNamespace ports);
    // Closes the link if the owner has not, so no port or thread outlives it.
    virtual ~CSerialLink();
    CSerialLink(const CSerialLink&) = delete;
    CSerialLink& operator=(const CSerialLink&) = delete;

    // Rebuilds the library objects and opens the device; true when the port really opened.
    // Even when it did not, the queues exist and Send queues and cues as usual.
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
    // False after a failed open, after Close, and once the port was lost (device unplugged).
    bool IsConnected() const;
    // True once a port that opened was lost: the device unplugged, the far end hung up.
    bool IsLost() const;
    // The port's own words for why the last opening failed; "" when it opened or was never
    // tried.
    std::string PortError() const;
    // The queue manager while open, null while closed; for diagnostics and tests.
    const QMgr* GetQMgr() const { return m_pQMgr.get(); }

private:
    void SetCommProperties();
    void OpenReadSide(std::uint32_t nMessage);
    void OpenWriteSide();

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
