#pragma once
// The two texts of the settings the frame turns into link parameters: the baud-rate text and
// the port name.

#include <string>
#include <string_view>

// "4,800" gives 4800: the thousands, one separator of any kind, then the rest. The separator
// is never examined, so "38.400" gives 38400, and "4 800" gives 4000 (the first digit of the
// rest takes the separator's place). A lone number is the rate itself ("9600" gives 9600).
// Text without a leading number, or a result beyond a 32-bit rate, gives 0, which opens no port.
int ParseBaudRate(std::string_view text);

// n of "COMn" in any case, n without leading zeros; 0 for any other name.
int ComPortNumber(std::string_view port);

// "COM1" becomes "\\.\COM1"; a name that already has the prefix gets it a second time.
void MakeDeviceName(std::string& strPortName);
