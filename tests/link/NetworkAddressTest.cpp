// The network addresses a port may be mapped to, in pyserial's forms.
#include "NetworkAddress.h"

#include <gtest/gtest.h>

namespace {

using Protocol = NetworkAddress::Protocol;

TEST(NetworkAddress, ReadsPyserialsForms) {
    const struct {
        const char* pszUrl;
        Protocol protocol;
        const char* pszHost;
        int nPort;
        int nTimeoutMs;
    } cases[] = {
        {"socket://127.0.0.1:4001", Protocol::Raw, "127.0.0.1", 4001, 3000},
        {"rfc2217://ship-box:2001?timeout=0.5", Protocol::Rfc2217, "ship-box", 2001, 500},
        {"RFC2217://[::1]:65535/ttyS0", Protocol::Rfc2217, "::1", 65535, 3000},
        {"rfc2217://h:1?logging=debug&ign_set_control&poll_modem", Protocol::Rfc2217, "h", 1, 3000},
    };
    for (const auto& [pszUrl, protocol, pszHost, nPort, nTimeoutMs] : cases) {
        const NetworkAddress address = NetworkAddress::Parse(pszUrl);
        EXPECT_EQ(address.error, "") << pszUrl;
        EXPECT_EQ(address.protocol, protocol) << pszUrl;
        EXPECT_EQ(address.host.toStdString(), pszHost) << pszUrl;
        EXPECT_EQ(address.port, nPort) << pszUrl;
        EXPECT_EQ(address.timeout.count(), nTimeoutMs) << pszUrl;
    }
}

TEST(NetworkAddress, SaysWhatIsWrong) {
    const std::pair<const char*, const char*> cases[] = {
        {"socket://host", "no port"},
        {"socket://host:0", "port 0 is no number from 1 to 65535"},
        {"rfc2217://host:65536", "port 65536 is no number from 1 to 65535"},
        {"socket://:4001", "no host"},
        {"ftp://host:21", "the scheme \"ftp\" is none of these"},
        {"socket://host:1?baudrate=9600", "unknown option \"baudrate\""},
        {"socket://host:1?timeout=-1", "timeout=-1 is no number of seconds up to 600"},
        {"socket://host:1?timeout=soon", "timeout=soon is no number of seconds up to 600"},
    };
    for (const auto& [pszUrl, pszError] : cases)
        EXPECT_EQ(NetworkAddress::Parse(pszUrl).error, pszError) << pszUrl;
}

TEST(NetworkAddress, TellsANetworkNameFromADevicePath) {
    for (const char* name : {"socket://h:1", "rfc2217://h:1", "socket:/h:1", "ftp://h"})
        EXPECT_TRUE(NetworkAddress::IsNetworkName(name)) << name;
    for (const char* name : {"/dev/ttyS0", "/tmp/ux:1/ttySim", "COM1", ""})
        EXPECT_FALSE(NetworkAddress::IsNetworkName(name)) << name;
}

} // namespace
