#include "ReplyReading.h"

#include "DecodeTelegram.h"
#include "QuendixCodes.h"

#include <cmath>

ReplyReading ReadReply(const LogLine& line) {
    const TelegramReading telegram = DecodeTelegram(line.telegram);
    if (telegram.nStatus == STAT_NO_REPLY)
        return {ReplyKind::NoReply, DIR_UNDETERMINED};
    // A sound speed of 0 logs a range that is no number.
    if (telegram.nStatus == STAT_OK && std::isfinite(line.dRangeMs))
        return {ReplyKind::Range, telegram.nDirection};
    return {ReplyKind::NoRange, DIR_UNDETERMINED};
}
