#include "WindowPlacementText.h"

#include "ScreenFit.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementText, ReadsAndWritesTheSameText) {
    const std::pair<const char*, WindowPlacement> cases[] = {
        {"10 20 510 420 0 1", {10, 20, 510, 420, false, true}},
        {"-1280 -4 -300 700 1 0", {-1280, -4, -300, 700, true, false}},
    };
    for (const auto& [text, placement] : cases) {
        EXPECT_EQ(ParseWindowPlacement(text), placement) << text;
        EXPECT_EQ(FormatWindowPlacement(placement), text);
    }
}

TEST(WindowPlacementText, ReadsWhatItCanAndZeroesTheRest) {
    const std::pair<const char*, WindowPlacement> cases[] = {
        {"", {0, 0, 500, 500, false, false}},
        {"100 100 600 400", {100, 100, 600, 400, false, false}},
        {"10\t20 \t 510\r\n420   1\t1", {10, 20, 510, 420, true, true}},
        {"  +10 20 510 420 0 0 77 junk", {10, 20, 510, 420, false, false}},
        {"10 20 abc 420 0 1", {10, 20, 0, 0, false, false}},
        {"10 20 51x0 420", {10, 20, 51, 0, false, false}},
        {"junk", {0, 0, 0, 0, false, false}},
        {"- 5", {0, 0, 0, 0, false, false}},
        {"0 0 0 0 2 -1", {0, 0, 0, 0, true, true}},
        {"4294967306 -4294967306", {10, -10, 0, 0, false, false}},
    };
    for (const auto& [text, placement] : cases)
        EXPECT_EQ(ParseWindowPlacement(text), placement) << '"' << text << '"';
}

TEST(PlacementRect, BoundsHandEditedExtremes) {
    const QRect rect = RectFromPlacement({INT_MIN, INT_MAX, INT_MAX, INT_MIN, false, false});
    EXPECT_EQ(rect.left(), -(1 << 20));
    EXPECT_EQ(rect.top(), 1 << 20);
    EXPECT_EQ(RectFromPlacement({10, 20, 510, 420, false, false}), QRect(10, 20, 500, 400));
}

TEST(ScreenFit, KeepsReachableWindowsMovesLostOnesAndShrinksTooLargeOnes) {
    // Two screens side by side, the right one lower and smaller.
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 800)};
    const struct {
        const char* name;
        QRect window, expected;
    } cases[] = {
        {"partly off", QRect(-300, -100, 500, 400), QRect(-300, -100, 500, 400)},
        {"screen-sized, partly off", QRect(-50, -50, 1920, 1080), QRect(-50, -50, 1920, 1080)},
        {"far left", QRect(-5000, 100, 500, 400), QRect(0, 100, 500, 400)},
        {"far right, low", QRect(9000, 900, 500, 400), QRect(2700, 600, 500, 400)},
        {"below the first", QRect(100, 3000, 500, 400), QRect(100, 680, 500, 400)},
        {"below the second", QRect(2500, 1500, 300, 300), QRect(2500, 700, 300, 300)},
        {"far below, nearer the first", QRect(2000, 3000, 300, 300), QRect(1620, 780, 300, 300)},
        {"in the gap above the second", QRect(2500, -600, 300, 300), QRect(2500, 200, 300, 300)},
        {"too big and lost", QRect(-9000, -9000, 4000, 3000), QRect(0, 0, 1920, 1080)},
        {"too big", QRect(100, 80, 2400, 1400), QRect(0, 0, 1920, 1080)},
        {"mostly on the first, too wide", QRect(1000, 0, 1200, 1200), QRect(720, 0, 1200, 1080)},
        {"too tall for the second", QRect(2000, 100, 1000, 1000), QRect(2000, 200, 1000, 800)},
        {"empty", QRect(0, 0, 0, 0), QRect(0, 0, MIN_WINDOW_WIDTH, MIN_WINDOW_HEIGHT)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitOntoScreens(c.window, screens), c.expected) << c.name;
    EXPECT_EQ(FitOntoScreens(QRect(-9000, 5, 10, 500), {}), QRect(-9000, 5, 160, 500))
        << "without screens only the minimum size holds";
}

} // namespace
