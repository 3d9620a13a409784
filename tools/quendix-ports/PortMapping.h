#pragma once
// The port finder's one change to the INI file: a port name mapped to a device or a serial line
// on the network.

#include <iosfwd>
#include <string>

class CPrivateProfile;

// Writes PORT=TARGET into section [Ports] with the program's own rules, keeping the rest of the
// file. An unknown port name, a device that is not there or is no serial device, a network
// address that does not parse, and a file that cannot be written are refused with a message on
// err; nothing is written then. The exit status: 0 when mapped, 2 for a port name or network
// address that is none, 1 otherwise.
int MapPort(CPrivateProfile& profile, const std::string& port, std::string target,
            std::ostream& out, std::ostream& err);
