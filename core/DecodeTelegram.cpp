#include "DecodeTelegram.h"

#include "NumberText.h"
#include "QuendixCodes.h"

#include <utility>

namespace {

// When a body holds several cues, the first of this list counts, wherever it stands.
constexpr std::pair<std::string_view, int> kCues[] = {
    {"^^^^", DIR_AHEAD},
    {"<<--", DIR_LEFT},
    {"-->>", DIR_RIGHT},
    {"??", DIR_UNDETERMINED},
};

} // namespace

TelegramReading DecodeTelegram(std::string_view text) {
    TelegramReading reading{STAT_BAD_TELEGRAM, DIR_UNDETERMINED, 0.0};
    const std::size_t dollar = text.find('$');
    if (dollar == std::string_view::npos)
        return reading;
    const std::string_view body = text.substr(dollar + 1);
    if (body.find("-NO REPLY-") != std::string_view::npos) {
        reading.nStatus = STAT_NO_REPLY;
        return reading;
    }
    const std::optional<double> range = ParseLeadingDouble(body);
    if (!range)
        return reading;
    reading.dRange = *range;
    for (const auto& [token, direction] : kCues) {
        if (body.find(token) != std::string_view::npos) {
            reading.nStatus = STAT_OK;
            reading.nDirection = direction;
            break;
        }
    }
    return reading;
}
