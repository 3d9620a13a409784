// libFuzzer entry: arbitrary bytes as a reply telegram. Decoding never fails and yields only the
// known status and direction codes; text without "$" reads as a bad telegram with no range, and
// "-NO REPLY-" after the "$" always means no reply.
#include "DecodeTelegram.h"
#include "QuendixCodes.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool KnownCodes(const TelegramReading& reading) {
    return reading.nStatus >= STAT_OK && reading.nStatus <= STAT_NO_REPLY &&
           reading.nDirection >= DIR_UNDETERMINED && reading.nDirection <= DIR_AHEAD &&
           (reading.nStatus == STAT_OK || reading.nDirection == DIR_UNDETERMINED);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TelegramReading reading = DecodeTelegram(text);
    if (!KnownCodes(reading))
        std::abort();
    const std::size_t dollar = text.find('$');
    if (dollar == std::string_view::npos) {
        if (reading.nStatus != STAT_BAD_TELEGRAM || reading.dRange != 0.0)
            std::abort();
        return 0;
    }
    const bool bNoReply = text.find("-NO REPLY-", dollar) != std::string_view::npos;
    if (bNoReply != (reading.nStatus == STAT_NO_REPLY))
        std::abort();
    return 0;
}
