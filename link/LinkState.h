#pragma once
// Where the link stands, as the main window tells the operator: connected, or what stands in
// the way. Two equal states tell the same story.

#include <string>

struct LinkState {
    enum class Cause {
        Connected,
        Connecting, // a network connection is under way
        NoComPort,  // connected, but the server takes no line settings (a plain telnet port)
        Lost,       // a device that opened went away: unplugged, or the far end hung up
        // A device:
        UnknownName,  // the port name stands for no device
        BadRate,      // the baud-rate text holds no rate
        NoDevice,     // nothing at the device path, or a ttyS node without a UART
        NotSerial,    // something that is no character device
        NoPermission, // this user may not open the device
        Held,         // another program has it
        Refused,      // the device did not take the opening or its settings
        // A serial line on the network:
        BadAddress,         // the address does not parse
        HostNotFound,       // the host name does not resolve
        ConnectionRefused,  // nothing listens at the port
        NetworkUnreachable, // no route to the host
        NoAnswer,           // no connection within the time-out
        ServerClosed,       // the server closed the connection
        TelnetServer,       // socket:// reached a telnet server: its first byte is 0xFF
        NoTelnet,           // rfc2217:// reached a server that does not negotiate
        NetworkError,       // anything else, in the socket's words
    };

    Cause cause = Cause::Connected;
    std::string port;   // as the settings name it: "COM1"
    std::string device; // what the name resolves to: a device path or a URL; "" for none
    std::string baud;   // the settings' baud-rate text: "4,800"
    std::string error;  // the port's own words, or what a server said, when there are any

    bool operator==(const LinkState&) const = default;
};
