#include "WindowPlacementText.h"

#include "ScreenFit.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* text;
    WindowPlacement placement;
};

class PlacementRoundTrip : public testing::TestWithParam<TextCase> {};

TEST_P(PlacementRoundTrip, ReadsAndWritesTheSameText) {
    EXPECT_EQ(ParseWindowPlacement(GetParam().text), GetParam().placement);
    EXPECT_EQ(FormatWindowPlacement(GetParam().placement), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    States, PlacementRoundTrip,
    testing::Values(TextCase{"10 20 510 420 0 0", {10, 20, 510, 420, false, false}},
                    TextCase{"10 20 510 420 0 1", {10, 20, 510, 420, false, true}},
                    TextCase{"10 20 510 420 1 0", {10, 20, 510, 420, true, false}},
                    TextCase{"10 20 510 420 1 1", {10, 20, 510, 420, true, true}},
                    TextCase{"-1280 -4 -300 700 0 0", {-1280, -4, -300, 700, false, false}}));

class PlacementTolerantRead : public testing::TestWithParam<TextCase> {};

TEST_P(PlacementTolerantRead, ReadsWhatItCanAndZeroesTheRest) {
    EXPECT_EQ(ParseWindowPlacement(GetParam().text), GetParam().placement);
}

INSTANTIATE_TEST_SUITE_P(
    OddValues, PlacementTolerantRead,
    testing::Values(TextCase{"", {0, 0, 500, 500, false, false}},
                    TextCase{"100 100 600 400", {100, 100, 600, 400, false, false}},
                    TextCase{"10\t20 \t 510\r\n420   1\t1", {10, 20, 510, 420, true, true}},
                    TextCase{"  +10 20 510 420 0 0 77 junk", {10, 20, 510, 420, false, false}},
                    TextCase{"10 20 abc 420 0 1", {10, 20, 0, 0, false, false}},
                    TextCase{"10 20 51x0 420", {10, 20, 51, 0, false, false}},
                    TextCase{"junk", {0, 0, 0, 0, false, false}},
                    TextCase{" ", {0, 0, 0, 0, false, false}},
                    TextCase{"- 5", {0, 0, 0, 0, false, false}},
                    TextCase{"0 0 0 0 2 -1", {0, 0, 0, 0, true, true}},
                    TextCase{"4294967306 -4294967306", {10, -10, 0, 0, false, false}}));

TEST(PlacementRect, BoundsHandEditedExtremes) {
    const QRect rect = RectFromPlacement({INT_MIN, INT_MAX, INT_MAX, INT_MIN, false, false});
    EXPECT_EQ(rect.left(), -(1 << 20));
    EXPECT_EQ(rect.top(), 1 << 20);
    EXPECT_EQ(RectFromPlacement({10, 20, 510, 420, false, false}), QRect(10, 20, 500, 400));
}

struct FitCase {
    const char* name;
    QRect window;
    QRect expected;
};

class ScreenFitting : public testing::TestWithParam<FitCase> {};

// Two screens side by side, the right one lower and smaller.
const QList<QRect> kScreens{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 800)};

TEST_P(ScreenFitting, KeepsReachableWindowsAndMovesLostOnes) {
    EXPECT_EQ(FitOntoScreens(GetParam().window, kScreens), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ScreenFitting,
    testing::Values(
        FitCase{"OnFirst", QRect(10, 20, 500, 400), QRect(10, 20, 500, 400)},
        FitCase{"Straddling", QRect(1800, 300, 500, 400), QRect(1800, 300, 500, 400)},
        FitCase{"PartlyOff", QRect(-300, -100, 500, 400), QRect(-300, -100, 500, 400)},
        FitCase{"FarLeft", QRect(-5000, 100, 500, 400), QRect(0, 100, 500, 400)},
        FitCase{"FarRightLow", QRect(9000, 900, 500, 400), QRect(2700, 600, 500, 400)},
        FitCase{"BelowFirst", QRect(100, 3000, 500, 400), QRect(100, 680, 500, 400)},
        FitCase{"InGapAboveSecond", QRect(2500, -600, 300, 300), QRect(2500, 200, 300, 300)},
        FitCase{"TooBigAndLost", QRect(-9000, -9000, 4000, 3000), QRect(0, 0, 4000, 3000)},
        FitCase{"Empty", QRect(0, 0, 0, 0), QRect(0, 0, MIN_WINDOW_WIDTH, MIN_WINDOW_HEIGHT)}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(ScreenFit, WithoutScreensOnlyEnforcesTheMinimumSize) {
    EXPECT_EQ(FitOntoScreens(QRect(-9000, 5, 10, 500), {}), QRect(-9000, 5, 160, 500));
}

} // namespace
