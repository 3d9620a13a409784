// The corrected range and the document's state at start-up.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// The reply, the offset, the sound speed, and the range in metres, feet and milliseconds to
// display precision (four decimals).
const std::tuple<const char*, const char*, const char*, double, double, double> kRanges[] = {
    {"$250.0 ^^^^", "0.6", "1500.0", 249.4, 818.2415, 166.2667},
    {"$300.0 ^^^^", "2.0", "1450.0", 288.0, 944.8819, 198.6207},
    {"$0.0 ^^^^", "0.6", "1500.0", -0.6, -1.9685, -0.4},
};

} // namespace

TEST(Range, WorkedValuesInEveryUnit) {
    for (const auto& [reply, offset, speed, metres, feet, msec] : kRanges) {
        FakeDocHost host;
        CQuendixDoc doc(host);
        const std::pair<double, const char*> expected[] = {
            {metres, "m"}, {feet, "ft"}, {msec, "ms"}};
        for (int stored = 0; stored < 3; ++stored) {
            host.SetIniText("[Settings]\r\nUnits=" + std::to_string(stored) +
                            "\r\nSoundSpeedMetric=" + speed + "\r\nOffsetMetric=" + offset +
                            "\r\n");
            doc.OnNewDocument();
            doc.OnReply(reply);
            EXPECT_NEAR(doc.GetRange(), expected[stored].first, 5e-5) << reply << " " << stored;
            EXPECT_EQ(doc.GetUnitsAbbrev(), expected[stored].second);
        }
    }
}

// The other defaults are pinned where the first run saves them.
TEST(Range, StartUpStateBeforeAnyReplyAndTheLinkAsTheMainWindowHasIt) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nOffsetMetric=0.6\r\n");
    CQuendixDoc doc(host);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetStatus(), STAT_NO_TELEGRAM);
    EXPECT_EQ(doc.GetDirection(), DIR_AHEAD);
    EXPECT_NEAR(doc.GetRange(), 99.4, 1e-12);
    EXPECT_EQ(host.viewUpdates, 1);
    EXPECT_FALSE(doc.IsConnected());
    host.mainWindow.connected = true;
    EXPECT_TRUE(doc.IsConnected());
}
