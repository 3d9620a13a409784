#pragma once
// What a logged reply puts in the picture, decoded as the display decoded it: a range only where
// the display showed one (a number and a steering cue), a "-NO REPLY-" report, or neither (the
// display showed "COMMS ERR").

#include "LogLine.h"

enum class ReplyKind { Range, NoReply, NoRange };

struct ReplyReading {
    ReplyKind kind;
    // The steering cue of a range, as the direction codes.
    int nDirection;
};

ReplyReading ReadReply(const LogLine& line);
