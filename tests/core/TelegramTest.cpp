// Reply telegrams: what the decoder makes of them, and what a reply does to the document.
#include "CQuendixDoc.h"
#include "DecodeTelegram.h"
#include "FakeDocHost.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct TelegramCase {
    std::string text;
    int status;
    double range;
    int direction;
};

const TelegramCase kTelegrams[] = {
    {"$123.4 ^^^^", STAT_OK, 123.4, DIR_AHEAD},
    {">$  57 -->>\r\n", STAT_OK, 57.0, DIR_RIGHT},
    {"$123.4<<--", STAT_OK, 123.4, DIR_LEFT},
    {"$88.0 ??", STAT_OK, 88.0, DIR_UNDETERMINED},
    {"$12.5 ?? ^^^^", STAT_OK, 12.5, DIR_AHEAD},
    {"$12.5 <<-- -->>", STAT_OK, 12.5, DIR_LEFT},
    {"$12.5 -->> ??", STAT_OK, 12.5, DIR_RIGHT},
    {"$-NO REPLY-", STAT_NO_REPLY, 0.0, DIR_UNDETERMINED},
    {"$12.0 -NO REPLY-", STAT_NO_REPLY, 0.0, DIR_UNDETERMINED},
    {"$12.0 ^^^^ -NO REPLY-", STAT_NO_REPLY, 0.0, DIR_UNDETERMINED},
    {"$12.5", STAT_BAD_TELEGRAM, 12.5, DIR_UNDETERMINED},
    {"$ ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"123.4 ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"^^^^ 99 $12 <<--", STAT_OK, 12.0, DIR_LEFT},
    {"-NO REPLY- $12 ^^^^", STAT_OK, 12.0, DIR_AHEAD},
    {"$x $12 ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"$-3.5 -->>", STAT_OK, -3.5, DIR_RIGHT},
    {"$1.2e2 ^^^^", STAT_OK, 120.0, DIR_AHEAD},
    {"$+.5^^^^", STAT_OK, 0.5, DIR_AHEAD},
    {"$7e ^^^^", STAT_OK, 7.0, DIR_AHEAD},
    {"$1e999 ^^^^", STAT_OK, HUGE_VAL, DIR_AHEAD},
    {"$-->>", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED}, // the sign begins no number
    {"$5-->>", STAT_OK, 5.0, DIR_RIGHT},
    {"$5 ^^^", STAT_BAD_TELEGRAM, 5.0, DIR_UNDETERMINED},
    {"$5 ?", STAT_BAD_TELEGRAM, 5.0, DIR_UNDETERMINED},
    {"$inf ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"$nan ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"$0x1A ^^^^", STAT_OK, 0.0, DIR_AHEAD}, // the number is the 0 before the x
    {"$$12 ^^^^", STAT_BAD_TELEGRAM, 0.0, DIR_UNDETERMINED},
    {"$ \t\n12 ??", STAT_OK, 12.0, DIR_UNDETERMINED},
};

} // namespace

TEST(Telegram, DecodesStatusRangeAndDirection) {
    for (const TelegramCase& c : kTelegrams) {
        const TelegramReading reading = DecodeTelegram(c.text);
        EXPECT_EQ(reading.nStatus, c.status) << c.text;
        EXPECT_EQ(reading.nDirection, c.direction) << c.text;
        EXPECT_EQ(reading.dRange, c.range) << c.text;
    }
}

TEST(Telegram, ReplyRecomputesRedrawsAndLogs) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    const int updates = host.viewUpdates;

    doc.OnReply("$250 ^^^^");
    EXPECT_EQ(doc.GetStatus(), STAT_OK);
    EXPECT_EQ(doc.GetDirection(), DIR_AHEAD);
    EXPECT_DOUBLE_EQ(doc.GetRange(), 250.0);
    EXPECT_EQ(host.viewUpdates, updates + 1);
    EXPECT_NE(host.LogText().find("TelGrm:$250 ^^^^\r\n"), std::string::npos);
}

TEST(Telegram, ReplyEndsAtItsFirstNulByte) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply(std::string("$42 ^^^^\0garbage -NO REPLY-", 27));
    EXPECT_EQ(doc.GetStatus(), STAT_OK);
    EXPECT_EQ(host.LogText().find('\0'), std::string::npos);
    EXPECT_NE(host.LogText().find("TelGrm:$42 ^^^^\r\n"), std::string::npos);
}
