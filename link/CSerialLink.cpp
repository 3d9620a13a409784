#include "CSerialLink.h"

#include "CDCB.h"
#include "QMgr.h"
#include "TickCount.h"
#include "eCommProp.h"

#include <cstring>

namespace {

constexpr std::uint32_t TELEGRAM_TERMINATOR = '\n';

} // namespace

CSerialLink::CSerialLink(MainWindowLookup findMainWindow, PortNamespace ports)
    : m_nChannel(COMM_CHANNEL), m_findMainWindow(std::move(findMainWindow)),
      m_ports(std::move(ports)) {}

CSerialLink::~CSerialLink() {
    Close();
}

bool CSerialLink::Open(std::uint32_t nMessage) {
    Close();
    m_pQMgr = std::make_unique<QMgr>();
    m_pInstrument = std::make_unique<Instrumentation>(m_ports);
    CDCB dcb;
    // A name that does not fit the name area stays out of it: the empty name opens nothing.
    if (m_strPortName.size() < CDCB_NAME_SIZE)
        std::memcpy(dcb.m_szName, m_strPortName.c_str(), m_strPortName.size() + 1);
    dcb.m_nMode = 1;
    dcb.m_nBaud = static_cast<std::uint32_t>(m_nBaud);
    dcb.m_pQMgr = m_pQMgr.get();
    m_bConnected = m_pInstrument->Initialise(&dcb) != 0;
    m_rmRead = {m_pQMgr->QGet(), REPLY_POST_MESSAGE, nullptr,
                m_findMainWindow ? m_findMainWindow() : nullptr, nMessage};
    if (m_rmRead.m_pWindow)
        m_pInstrument->AdviseRead(m_nChannel, &m_rmRead);
    m_pWriteEvent = std::make_unique<CWriteEvent>();
    m_rmWrite = {m_pQMgr->QGet(), REPLY_SIGNAL_EVENT, m_pWriteEvent.get(), nullptr, 0};
    m_pInstrument->AdviseWrite(m_nChannel, &m_rmWrite);
    SetCommProperties();
    return m_bConnected;
}

void CSerialLink::SetCommProperties() {
    m_pInstrument->SetComm(m_nChannel, COMM_TERMINATOR, TELEGRAM_TERMINATOR);
    m_pInstrument->SetComm(m_nChannel, COMM_PARITY, 'N');
    m_pInstrument->SetComm(m_nChannel, COMM_DATA_BITS, 8);
    m_pInstrument->SetComm(m_nChannel, COMM_STOP_BITS, 1);
}

void CSerialLink::Close() {
    if (m_pInstrument) {
        ReplyMechanism none;
        m_pInstrument->AdviseWrite(m_nChannel, &none);
        m_pWriteEvent.reset();
        m_pQMgr->QRelease(m_rmWrite.m_nQueue);
        m_rmWrite = none;
        m_pInstrument.reset();
        m_pQMgr.reset();
    }
    m_bConnected = false;
}

void CSerialLink::Send(std::string_view text) {
    if (!m_pInstrument)
        return;
    text = text.substr(0, text.find('\0'));
    if (text.size() > BUFFER_TEXT_MAX)
        return;
    Buffer* pBuffer = m_pQMgr->GetBuf(0);
    if (!pBuffer)
        return;
    pBuffer->Fill(BUFFER_KIND_WRITE, m_nChannel, TickCount(), text);
    m_pQMgr->PutBuf(m_rmWrite.m_nQueue, pBuffer);
    m_pInstrument->CueWrite(m_nChannel);
}

std::string CSerialLink::Receive() {
    std::string text;
    if (!m_pInstrument)
        return text;
    while (Buffer* pBuffer = m_pQMgr->GetBuf(m_rmRead.m_nQueue)) {
        text.assign(pBuffer->m_szText, strnlen(pBuffer->m_szText, BUFFER_TEXT_SIZE));
        m_pQMgr->PutBuf(0, pBuffer);
    }
    return text;
}

bool CSerialLink::IsIn(PortReport::State state) const {
    return m_bConnected && m_pInstrument && m_pInstrument->Report().state == state;
}

bool CSerialLink::IsConnected() const {
    return IsIn(PortReport::State::Open);
}

bool CSerialLink::IsOpening() const {
    return IsIn(PortReport::State::Opening);
}

bool CSerialLink::IsLost() const {
    return IsIn(PortReport::State::Lost);
}

PortReport CSerialLink::Report() const {
    return m_pInstrument ? m_pInstrument->Report() : PortReport{};
}
