#pragma once
// Numbers to and from text with a point as the decimal separator, whatever the user's locale.
// Stored files, the log and the wire must read the same on every machine.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// As printf "%<minWidth>.<decimals>f" in the classic locale.
std::string FormatFixed(double value, int decimals, int minWidth = 0);

// As printf "%.<significant>g" in the classic locale.
std::string FormatGeneral(double value, int significant);

// The decimal number at the start of text as "%lf" reads it: leading blanks, an optional sign,
// digits with an optional point and fraction, an optional exponent. Nothing when no number
// starts the text (infinity, NaN and hexadecimal forms are not numbers here). On success,
// consumed (when given) is the count of characters read, leading blanks included.
std::optional<double> ParseLeadingDouble(std::string_view text, std::size_t* consumed = nullptr);

// As atof: the leading number, or 0.0 when there is none.
double AtoF(std::string_view text);
