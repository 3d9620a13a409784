#pragma once
// The units as key "Units" of the INI file stores them: 0 metres, 1 feet, 2 milliseconds. The
// file never holds the document's own codes.

// Any other stored value reads as metres.
int UnitsFromStored(int stored);

// Anything but feet or milliseconds is stored as metres.
int StoredFromUnits(int units);
