// The telnet side of RFC 2217 as a server speaks it: what the filter hands on as data and what
// it answers, whether the bytes come at once or one by one.
#include "CTelnetFilter.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;
using ComPort = CTelnetFilter::ComPort;

const std::string OFFER_COM_PORT = "\xff\xfb\x2c";
// ser2net's greeting: WILL/DO SGA, WILL ECHO then DONT ECHO, WILL/DO BINARY, DO COM-PORT.
const std::string SER2NET_OFFERS =
    "\xff\xfb\x03\xff\xfd\x03\xff\xfb\x01\xff\xfe\x01\xff\xfd\x00\xff\xfb\x00\xff\xfd\x2c"s;
// DO SGA, WILL SGA, DONT ECHO, WILL BINARY, DO BINARY, then 4800 baud, 8 bits, no parity, 1 stop.
const std::string ANSWERS_AND_SETTINGS =
    "\xff\xfd\x03\xff\xfb\x03\xff\xfe\x01\xff\xfb\x00\xff\xfd\x00"
    "\xff\xfa\x2c\x01\x00\x00\x12\xc0\xff\xf0"
    "\xff\xfa\x2c\x02\x08\xff\xf0"
    "\xff\xfa\x2c\x03\x01\xff\xf0"
    "\xff\xfa\x2c\x04\x01\xff\xf0"s;
const std::string NOTIFY_MODEM_STATE = "\xff\xfa\x2c\x6b\x00\xff\xf0"s;

struct Result {
    std::string data;
    std::string sent;
    ComPort state;
};

Result Filter(const std::string& received, bool bByteByByte) {
    Result result;
    CTelnetFilter filter(4800, [&](std::string_view bytes) { result.sent += bytes; });
    const std::size_t step = bByteByByte ? 1 : received.size() + 1;
    for (std::size_t i = 0; i < received.size(); i += step) {
        std::string chunk = received.substr(i, step);
        result.data.append(chunk.data(), filter.Receive(chunk, chunk.data()));
    }
    result.state = filter.State();
    return result;
}

TEST(TelnetFilter, HandsOnTheDataAndAnswersEachRequestOnce) {
    const struct {
        const char* pszCase;
        std::string received;
        std::string data;
        std::string sent; // after the offer of COM-PORT
        ComPort state;
    } cases[] = {
        {"ser2net's offers", SER2NET_OFFERS, "", ANSWERS_AND_SETTINGS, ComPort::SettingsSent},
        {"offers in force are not answered again; a refusal is", SER2NET_OFFERS + SER2NET_OFFERS,
         "", ANSWERS_AND_SETTINGS + "\xff\xfe\x01", ComPort::SettingsSent},
        {"a notification inside a telegram", "$12" + NOTIFY_MODEM_STATE + "3.4 ^^^^\r\n",
         "$123.4 ^^^^\r\n", "", ComPort::Offered},
        {"0xFF undoubled", "$1\xff\xff ^\n", "$1\xff ^\n", "", ComPort::Offered},
        {"other commands taken out", "$1\xff\xf1\xff\xf9 ^\n", "$1 ^\n", "", ComPort::Offered},
        {"COM-PORT refused: data still flows", "\xff\xfe\x2c$1\n"s, "$1\n", "", ComPort::Refused},
        {"other options refused", "\xff\xfd\x18\xff\xfb\x05\xff\xfc\x05"s, "",
         "\xff\xfc\x18\xff\xfe\x05", ComPort::Offered},
        {"a withdrawal acknowledged", "\xff\xfb\x03\xff\xfc\x03"s, "", "\xff\xfd\x03\xff\xfe\x03",
         ComPort::Offered},
    };
    for (const auto& [pszCase, received, data, sent, state] : cases)
        for (const bool bByteByByte : {false, true}) {
            const Result result = Filter(received, bByteByByte);
            const std::string how = std::string(pszCase) + (bByteByByte ? ", byte by byte" : "");
            EXPECT_EQ(result.data, data) << how;
            EXPECT_EQ(result.sent, OFFER_COM_PORT + sent) << how;
            EXPECT_EQ(result.state, state) << how;
        }
}

TEST(TelnetFilter, DoublesEachFFItSends) {
    std::string sent;
    CTelnetFilter filter(9600, [&](std::string_view bytes) { sent += bytes; });
    filter.SendData("\xff$10%\xff");
    EXPECT_EQ(sent, OFFER_COM_PORT + "\xff\xff$10%\xff\xff");
}

} // namespace
