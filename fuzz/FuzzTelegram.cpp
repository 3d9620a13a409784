// libFuzzer entry: arbitrary bytes as a reply telegram. Decoding never fails and yields only
// the known status and direction codes.
#include "core/DecodeTelegram.h"
#include "core/QuendixCodes.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TelegramReading reading =
        DecodeTelegram(std::string_view(reinterpret_cast<const char*>(data), size));
    if (reading.nStatus < STAT_OK || reading.nStatus > STAT_NO_REPLY ||
        reading.nDirection < DIR_UNDETERMINED || reading.nDirection > DIR_AHEAD)
        std::abort();
    if (reading.nStatus != STAT_OK && reading.nDirection != DIR_UNDETERMINED)
        std::abort();
    return 0;
}
