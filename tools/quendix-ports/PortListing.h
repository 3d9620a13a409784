#pragma once
// The port finder's list: what each port name resolves to and whether it can be opened.

#include <iosfwd>

class CPrivateProfile;

// COM1 to COM32 and the settings' port, one line each (with the device's stable names on lines
// of their own): the device the name leads to, "[Ports]" when the INI file maps it, whether
// the device is present, whether this user may open it, and whether another program holds it.
void ListPorts(CPrivateProfile& profile, std::ostream& out);
