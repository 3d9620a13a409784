#pragma once
// One serial instrument, made for one opening of the link: a worker thread that owns the port,
// receives telegrams onto the read queue and writes cued buffers from the write queue. Every
// call comes from the user-interface thread; read notices reach the window target there too.

#include "PortNamespace.h"
#include "eCommProp.h"

#include <QThread>
#include <cstdint>
#include <memory>
#include <string>

class CPortWorker;
class CReplyNotice;
class QMgr;
struct CDCB;
struct ReplyMechanism;

class Instrumentation {
public:
    explicit Instrumentation(PortNamespace ports);
    // Ends all activity on the port: it is closed and the worker thread stopped.
    ~Instrumentation();
    Instrumentation(const Instrumentation&) = delete;
    Instrumentation& operator=(const Instrumentation&) = delete;

    // Opens the device the CDCB names (a Windows port name) at its baud rate, 8N1, and adopts
    // its queue manager. Non-zero only when the port really opened.
    int Initialise(CDCB* pDcb);
    void SetComm(std::uint32_t nChannel, eCommProp eProp, std::uint32_t nValue);
    // Kind 2 with a window: every received telegram goes onto the mechanism's queue and the
    // window gets the message. Anything else: received bytes are dropped.
    void AdviseRead(std::uint32_t nChannel, ReplyMechanism* pMechanism);
    // Kind 1 with an event: cued buffers come from the mechanism's queue and the event is set
    // after each cue. A default mechanism ends every use of the previous one before returning.
    void AdviseWrite(std::uint32_t nChannel, ReplyMechanism* pMechanism);
    // Sends the write queue's buffers in order and recycles them to queue 0.
    void CueWrite(std::uint32_t nChannel);

    // False once the port failed (device unplugged, far end hung up) or never opened.
    bool IsPortOpen() const;
    // The port's own words for why it did not open; "" when it opened or was never tried.
    std::string PortError() const;

private:
    template <typename Work> void RunOnWorker(Work&& work);

    const PortNamespace m_ports;
    QMgr* m_pQMgr = nullptr;
    std::unique_ptr<CReplyNotice> m_pNotice;
    QThread m_thread;
    CPortWorker* m_pWorker = nullptr;
};
