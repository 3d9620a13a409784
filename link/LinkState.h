#pragma once
// Where the serial link stands, as the main window tells the operator: connected, or what
// stands in the way. Two equal states tell the same story.

#include <string>

struct LinkState {
    enum class Cause {
        Connected,
        Lost,         // a port that opened went away: unplugged, or the far end hung up
        UnknownName,  // the port name stands for no device
        BadRate,      // the baud-rate text holds no rate
        NoDevice,     // nothing at the device path, or a ttyS node without a UART
        NotSerial,    // something that is no character device
        NoPermission, // this user may not open the device
        Held,         // another program has it
        Refused,      // the device did not take the opening or its settings
    };

    Cause cause = Cause::Connected;
    std::string port;   // as the settings name it: "COM1"
    std::string device; // what the name resolves to; "" for none
    std::string baud;   // the settings' baud-rate text: "4,800"
    std::string error;  // the port's own words, when it gave any

    bool operator==(const LinkState&) const = default;
};
