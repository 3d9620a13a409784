#pragma once
// The ranging unit's reply telegram: "$", then the range number (metres at 1500 m/s), then a
// steering cue anywhere after the "$" ("^^^^" ahead, "<<--" left, "-->>" right, "??" not known),
// or "-NO REPLY-" when the transponder did not answer. Pure, so that it can be fuzzed.

#include <string_view>

struct TelegramReading {
    int nStatus;
    int nDirection;
    double dRange;
};

// Never fails: a text that does not decode reads as STAT_BAD_TELEGRAM.
TelegramReading DecodeTelegram(std::string_view text);
