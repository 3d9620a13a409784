// The picture's geometry and its drawing objects, on the recording context. What the picture looks
// like, pixel for pixel, is the view's test.
#include "CHomingPicture.h"

#include "CRecordingDC.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF WINDOW = RGB(1, 2, 3);

CHomingReadout Readout(int nStatus) {
    return {nStatus, 12.34, "m", DIR_LEFT, 10, "COM1", "4,800", true};
}

TEST(HomingPicture, FitsTheSquareIntoTheClientArea) {
    const struct {
        int width, height;
        CPoint origin;
        int pixelsPer1000;
    } cases[] = {
        {800, 600, {400, 300}, 600}, {400, 900, {200, 200}, 400}, {801, 601, {400, 300}, 601}};
    for (const auto& c : cases) {
        CRecordingDC dc;
        CHomingPicture::PrepareDC(dc, c.width, c.height);
        EXPECT_EQ(dc.LPtoDP({0, 0}), c.origin) << c.width << "x" << c.height;
        // y grows upwards
        EXPECT_EQ(dc.LPtoDP({1000, 1000}),
                  (CPoint{c.origin.x + c.pixelsPer1000, c.origin.y - c.pixelsPer1000}))
            << c.width << "x" << c.height;
    }
}

// The recording context's text is n x (h / 2) wide for n characters at height h: a text that
// would run past an edge gets the largest height that leaves 20 units at each edge, and keeps its
// middle where the full-height text's would be.
TEST(HomingPicture, ATextThatWouldRunPastAnEdgeGetsTheLargestHeightThatFits) {
    const struct {
        int width, height, nStatus, nFontHeight;
        CPoint topLeft;
    } cases[] = {
        {1350, 1000, STAT_OK, 450, {-675, 300}},     // " 12.3m" is 1350 wide: it fits
        {1348, 1000, STAT_OK, 437, {-654, 294}},     // 6 x 218 = 1308 <= 1348 - 2 x 20
        {500, 500, STAT_OK, 321, {-480, 236}},       // 1000 units across
        {400, 780, STAT_NO_REPLY, 241, {-480, 286}}, // "NO REPLY": 8 x 120 = 960
        {801, 600, STAT_NO_REPLY, 270, {-540, 300}},
    };
    for (const auto& c : cases) {
        CRecordingDC dc;
        CHomingPicture::PrepareDC(dc, c.width, c.height);
        CHomingPicture(dc, Readout(c.nStatus), WINDOW, c.width).Draw();
        const CRecordedText& text = dc.m_texts.front();
        EXPECT_EQ(text.font.lfHeight, c.nFontHeight) << c.width << "x" << c.height;
        EXPECT_EQ(text.font.lfFaceName, "Arial");
        EXPECT_EQ(text.topLeft, c.topLeft) << c.width << "x" << c.height;
    }
}

// Each step selects the previous object back and deletes its own: repaints leave nothing behind.
// Failed fonts leave the texts in the context's own font; the chevron falls back on the stock
// white pen.
TEST(HomingPicture, FontsAndPenLiveOnlyWithinTheirStepAndFailuresLeaveTheCurrentOnes) {
    for (const bool bFail : {false, true}) {
        CRecordingDC dc;
        dc.m_bFailCreation = bFail;
        CHomingPicture::PrepareDC(dc, 2000, 1000);
        CHomingPicture(dc, Readout(STAT_OK), WINDOW, 2000).Draw();
        EXPECT_EQ(dc.SelectedFont(), LOGFONT{});
        EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)}));
        ASSERT_EQ(dc.m_created.size(), 4u); // the range font once to measure, once to draw
        for (const HGDIOBJ object : dc.m_created)
            EXPECT_FALSE(dc.DeleteObject(object)) << "left alive";
        ASSERT_EQ(dc.m_texts.size(), 6u);
        for (const CRecordedText& text : dc.m_texts)
            EXPECT_EQ(text.font == LOGFONT{}, bFail) << text.text;
        ASSERT_EQ(dc.m_lines.size(), 2u);
        EXPECT_EQ(dc.m_lines.front().pen, (LOGPEN{PS_SOLID, bFail ? 0 : CHEVRON_PEN_WIDTH,
                                                  bFail ? RGB(255, 255, 255) : RGB(0, 0, 0)}));
    }
}

} // namespace
