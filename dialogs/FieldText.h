#pragma once
// Reading the settings dialog's number fields: the whole text must be the number, with blanks
// (spaces, tabs) allowed around it, whatever the user's locale.

#include <optional>
#include <string_view>

// Decimal digits only; nothing when the value does not fit in 32 bits.
std::optional<unsigned> ParseUnsignedField(std::string_view text);

// A decimal number with optional sign, fraction and exponent; nothing when it overflows.
std::optional<double> ParseDoubleField(std::string_view text);
