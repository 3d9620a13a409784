// Reply telegrams: what the decoder makes of them.
#include "DecodeTelegram.h"
#include "QuendixCodes.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// The telegram, its status, range and direction. The number is ParseLeadingDouble's, tested on
// its own; here are the telegram's own rules.
const std::tuple<std::string, int, double, int> kTelegrams[] = {
    {"$123.4 ^^^^", STAT_OK, 123.4, DIR_AHEAD},
    {">$  57 -->>\r\n", STAT_OK, 57.0, DIR_RIGHT},
    {"$123.4<<--", STAT_OK, 123.4, DIR_LEFT},
    {"$88.0 ??", STAT_OK, 88.0, DIR_UNDETERMINED},
    {"$12.5 <<-- ^^^^", STAT_OK, 12.5, DIR_AHEAD},
    {"$12.5 <<-- -->>", STAT_OK, 12.5, DIR_LEFT},
    {"$12.5 ?? -->>", STAT_OK, 12.5, DIR_RIGHT},
    {"$-NO REPLY-", STAT_NO_REPLY, 0.0, DIR_UNDETERMINED},
    {"$12.0 ^^^^ -NO REPLY-", STAT_NO_REPLY, 0.0, DIR_UNDETERMINED},
    {"$12.5", STAT_BAD_TELEGRAM, 12.5, DIR_UNDETERMINED},
    {"$ ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"123.4 ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"^^^^ 99 $12 <<--", STAT_OK, 12.0, DIR_LEFT},
    {"-NO REPLY- $12 ^^^^", STAT_OK, 12.0, DIR_AHEAD},
    {"$x $12 ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"$5 ^^^", STAT_BAD_TELEGRAM, 5.0, DIR_UNDETERMINED},
};

} // namespace

TEST(Telegram, DecodesStatusRangeAndDirection) {
    for (const auto& [text, status, range, direction] : kTelegrams) {
        const TelegramReading reading = DecodeTelegram(text);
        EXPECT_EQ(reading.nStatus, status) << text;
        EXPECT_EQ(reading.nDirection, direction) << text;
        EXPECT_EQ(reading.dRange, range) << text;
    }
}
