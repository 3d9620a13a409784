#pragma once
// The port finder's list: what each port name resolves to and whether it can be opened.

#include <iosfwd>
#include <memory>

class CPrivateProfile;

// COM1 to COM32 and the settings' port, one line each (with a device's stable names on lines of
// their own), in the program's own words: the device or network address the name leads to,
// "[Ports]" when the INI file maps it, and whether it could be opened. Nothing is opened or
// connected to.
void ListPorts(const std::shared_ptr<CPrivateProfile>& pProfile, std::ostream& out);
