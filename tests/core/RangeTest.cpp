// The corrected range, the document's state at start-up and its accessors.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct RangeCase {
    const char* reply;
    const char* offset;
    const char* speed;
    double metres;
    double feet;
    double msec;
};

// Display precision: four decimals.
const RangeCase kRanges[] = {
    {"$250.0 ^^^^", "0.6", "1500.0", 249.4, 818.2415, 166.2667},
    {"$300.0 ^^^^", "2.0", "1450.0", 288.0, 944.8819, 198.6207},
    {"$100.0 ^^^^", "0.0", "1500.0", 100.0, 328.0840, 66.6667},
    {"$0.0 ^^^^", "0.6", "1500.0", -0.6, -1.9685, -0.4},
};

std::string SettingsText(const RangeCase& c, int storedUnits) {
    return "[Settings]\r\nUnits=" + std::to_string(storedUnits) +
           "\r\nSoundSpeedMetric=" + c.speed + "\r\nOffsetMetric=" + c.offset + "\r\n";
}

} // namespace

TEST(Range, WorkedValuesInEveryUnit) {
    for (const RangeCase& c : kRanges) {
        FakeDocHost host;
        CQuendixDoc doc(host);
        const std::pair<double, const char*> expected[] = {
            {c.metres, "m"}, {c.feet, "ft"}, {c.msec, "ms"}};
        for (int stored = 0; stored < 3; ++stored) {
            host.SetIniText(SettingsText(c, stored));
            doc.OnNewDocument();
            doc.OnReply(c.reply);
            EXPECT_NEAR(doc.GetRange(), expected[stored].first, 5e-5) << c.reply << " " << stored;
            EXPECT_EQ(doc.GetUnitsAbbrev(), expected[stored].second);
        }
    }
}

TEST(Range, StartUpStateBeforeAnyReply) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nOffsetMetric=0.6\r\n");
    CQuendixDoc doc(host);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetStatus(), STAT_NO_TELEGRAM);
    EXPECT_EQ(doc.GetDirection(), DIR_AHEAD);
    EXPECT_NEAR(doc.GetRange(), 99.4, 1e-12);
    EXPECT_EQ(doc.GetUnitsAbbrev(), "m");
    EXPECT_EQ(doc.GetTpdrNo(), 10);
    EXPECT_EQ(doc.GetComPort(), "COM1");
    EXPECT_EQ(doc.GetBaudRate(), "4,800");
    EXPECT_EQ(host.viewUpdates, 1);
}

TEST(Range, TimerIntervalFromThePeriod) {
    const std::pair<int, std::uint32_t> cases[] = {
        {0, 1000}, {1, 1000}, {2, 2000}, {120, 120000}, {-1, 4294966296u}};
    for (const auto& [period, interval] : cases) {
        FakeDocHost host;
        host.SetIniText("[Settings]\r\nPeriod=" + std::to_string(period) + "\r\n");
        CQuendixDoc doc(host);
        doc.OnNewDocument();
        EXPECT_EQ(doc.GetTimerInterval(), interval) << period;
    }
}

TEST(Range, ConnectedOnlyThroughTheMainWindow) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    EXPECT_FALSE(doc.IsConnected());
    host.mainWindow.connected = true;
    EXPECT_TRUE(doc.IsConnected());
    host.hasMainWindow = false;
    EXPECT_FALSE(doc.IsConnected());
}

TEST(Range, SoundSpeedZeroGivesNonFiniteValuesWithoutFailing) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nSoundSpeedMetric=0\r\nOffsetMetric=0.6\r\n");
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    EXPECT_FALSE(std::isfinite(doc.GetRange()));
    EXPECT_NE(host.LogText().find(",Rng:-infms,Offset:infms,"), std::string::npos);
}
