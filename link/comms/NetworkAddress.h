#pragma once
// A serial line reached over the network, written as pyserial writes it, which operators and
// their tools already know: socket://HOST:PORT for raw TCP to a serial device server, and
// rfc2217://HOST:PORT where the server also takes the line settings. Host names, IPv4 and
// [IPv6] addresses; the option timeout=SECONDS bounds the connection attempt, and pyserial's
// options that mean nothing here (logging, ign_set_control, poll_modem) are accepted and
// ignored.

#include <QString>
#include <chrono>
#include <string>
#include <string_view>

struct NetworkAddress {
    enum class Protocol { Raw, Rfc2217 };

    // Whether a port's target names the network ("scheme://...") rather than a device path.
    static bool IsNetworkName(std::string_view target);
    static NetworkAddress Parse(std::string_view url);
    // The forms, for the operator who wrote another.
    static constexpr const char* FORMS =
        "socket://HOST:PORT (raw TCP) or rfc2217://HOST:PORT (RFC 2217), optionally with "
        "?timeout=SECONDS";

    Protocol protocol = Protocol::Raw;
    QString host;
    quint16 port = 0;
    std::chrono::milliseconds timeout{3000};
    // Why the text is no address ("no port"); "" when it is one.
    std::string error;
};
