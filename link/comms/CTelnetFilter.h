#pragma once
// The telnet side of an RFC 2217 connection, over libtelnet: hands on the data among the
// server's bytes (0xFF undoubled, negotiations and sub-negotiations taken out, also when split
// across reads or inside a telegram), answers the server's option requests, and sends the line
// settings once the server asks for COM-PORT. BINARY and SUPPRESS-GO-AHEAD are accepted both
// ways, every other option refused; an option already in force is never answered again, so no
// two peers can talk each other into a loop. Notifications the server sends unasked (ser2net's
// modem state) are ignored, and no SET-CONTROL is ever sent: a server in front of a device
// without modem lines never answers it.

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

struct telnet_t;
union telnet_event_t;

class CTelnetFilter {
public:
    enum class ComPort { Offered, SettingsSent, Refused };
    // Bytes for the server, to be written as they come.
    using Send = std::function<void(std::string_view bytes)>;

    // Offers COM-PORT at once; the line settings follow the server's DO: the rate, 8 data bits,
    // no parity, one stop bit.
    CTelnetFilter(std::uint32_t nBaud, Send send);
    ~CTelnetFilter();
    CTelnetFilter(const CTelnetFilter&) = delete;
    CTelnetFilter& operator=(const CTelnetFilter&) = delete;

    // Writes the data among the received bytes to pOut, which may be bytes' own memory, and
    // returns how many; never more than were received.
    std::size_t Receive(std::string_view bytes, char* pOut);
    // Sends data for the unit, 0xFF doubled.
    void SendData(std::string_view data);
    ComPort State() const { return m_comPort; }
    // True once the server began compressing what it sends (MCCP), which libtelnet then inflates
    // of its own accord, agreed or not. No serial-port server does: from there on nothing is
    // handed on or answered.
    bool IsCompressed() const { return m_bCompressed; }

private:
    static void OnEvent(telnet_t* pTelnet, telnet_event_t* pEvent, void* pSelf);
    // The server's WILL or DO; its WONT or DONT.
    void OnRequest(std::bitset<256>& inForce, unsigned char option, unsigned char agree,
                   unsigned char refuse);
    void OnRefusal(std::bitset<256>& inForce, unsigned char option, unsigned char acknowledge);
    void Negotiate(unsigned char command, unsigned char option);
    void SendLineSettings();

    const std::uint32_t m_nBaud;
    const Send m_send;
    std::unique_ptr<telnet_t, void (*)(telnet_t*)> m_pTelnet;
    ComPort m_comPort = ComPort::Offered;
    bool m_bCompressed = false;
    // The options in force: on our side, and on the server's.
    std::bitset<256> m_ours;
    std::bitset<256> m_theirs;
    // Where Receive writes the data, and how much so far.
    char* m_pOut = nullptr;
    std::size_t m_nOut = 0;
};
