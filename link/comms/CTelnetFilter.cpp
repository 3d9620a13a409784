#include "CTelnetFilter.h"

#include <cstddef>
#include <cstring>
#include <string>
// libtelnet's header uses size_t without including its definition.
#include <libtelnet.h>

namespace {

constexpr unsigned char COM_PORT = 44;

bool IsAccepted(unsigned char option) {
    return option == TELNET_TELOPT_BINARY || option == TELNET_TELOPT_SGA;
}

} // namespace

// Proxy mode: libtelnet parses, escapes and collects sub-negotiations, and the answers are ours.
CTelnetFilter::CTelnetFilter(std::uint32_t nBaud, Send send)
    : m_nBaud(nBaud), m_send(std::move(send)),
      m_pTelnet(telnet_init(nullptr, &CTelnetFilter::OnEvent, TELNET_FLAG_PROXY, this),
                &telnet_free) {
    Negotiate(TELNET_WILL, COM_PORT);
}

CTelnetFilter::~CTelnetFilter() = default;

std::size_t CTelnetFilter::Receive(std::string_view bytes, char* pOut) {
    m_pOut = pOut;
    m_nOut = 0;
    telnet_recv(m_pTelnet.get(), bytes.data(), bytes.size());
    return m_nOut;
}

void CTelnetFilter::SendData(std::string_view data) {
    telnet_send(m_pTelnet.get(), data.data(), data.size());
}

void CTelnetFilter::OnEvent(telnet_t*, telnet_event_t* pEvent, void* pSelf) {
    auto& self = *static_cast<CTelnetFilter*>(pSelf);
    self.m_bCompressed =
        self.m_bCompressed || (pEvent->type == TELNET_EV_COMPRESS && pEvent->compress.state != 0);
    if (self.m_bCompressed)
        return;
    switch (pEvent->type) {
    case TELNET_EV_DATA:
        // The data lies at or after the output position, or is one byte of libtelnet's own.
        std::memmove(self.m_pOut + self.m_nOut, pEvent->data.buffer, pEvent->data.size);
        self.m_nOut += pEvent->data.size;
        break;
    case TELNET_EV_SEND:
        self.m_send(std::string_view(pEvent->data.buffer, pEvent->data.size));
        break;
    case TELNET_EV_WILL:
        self.OnRequest(self.m_theirs, pEvent->neg.telopt, TELNET_DO, TELNET_DONT);
        break;
    case TELNET_EV_DO:
        self.OnRequest(self.m_ours, pEvent->neg.telopt, TELNET_WILL, TELNET_WONT);
        break;
    case TELNET_EV_WONT:
        self.OnRefusal(self.m_theirs, pEvent->neg.telopt, TELNET_DONT);
        break;
    case TELNET_EV_DONT:
        self.OnRefusal(self.m_ours, pEvent->neg.telopt, TELNET_WONT);
        break;
    default:
        break;
    }
}

// An option already in force is not answered. COM-PORT was offered at the start: the server's
// DO agrees, and the line settings follow.
void CTelnetFilter::OnRequest(std::bitset<256>& inForce, unsigned char option, unsigned char agree,
                              unsigned char refuse) {
    if (inForce[option])
        return;
    const bool bComPort = option == COM_PORT && agree == TELNET_WILL;
    inForce[option] = bComPort || IsAccepted(option);
    if (bComPort)
        SendLineSettings();
    else
        Negotiate(inForce[option] ? agree : refuse, option);
}

void CTelnetFilter::OnRefusal(std::bitset<256>& inForce, unsigned char option,
                              unsigned char acknowledge) {
    if (option == COM_PORT && acknowledge == TELNET_WONT)
        m_comPort = ComPort::Refused;
    if (!inForce[option])
        return;
    inForce[option] = false;
    Negotiate(acknowledge, option);
}

void CTelnetFilter::Negotiate(unsigned char command, unsigned char option) {
    telnet_negotiate(m_pTelnet.get(), command, option);
}

// RFC 2217's SET-BAUDRATE (1, four bytes, most significant first), then SET-DATASIZE (2) 8,
// SET-PARITY (3) none (1) and SET-STOPSIZE (4) 1.
void CTelnetFilter::SendLineSettings() {
    const std::string rate = {'\x01', static_cast<char>(m_nBaud >> 24),
                              static_cast<char>(m_nBaud >> 16), static_cast<char>(m_nBaud >> 8),
                              static_cast<char>(m_nBaud)};
    for (const std::string& setting :
         {rate, std::string("\x02\x08"), std::string("\x03\x01"), std::string("\x04\x01")})
        telnet_subnegotiation(m_pTelnet.get(), COM_PORT, setting.data(), setting.size());
    m_comPort = ComPort::SettingsSent;
}
