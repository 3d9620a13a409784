#include "CHomingPicture.h"

#include "CRecordingDC.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF WINDOW = RGB(1, 2, 3);
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF RED = RGB(255, 0, 0);

CHomingReadout Readout(int nStatus, int nDirection = DIR_AHEAD, bool bConnected = true) {
    return {nStatus, 12.34, "m", nDirection, 10, "COM1", "4,800", bConnected};
}

// Drawn into a client area of 2000 x 1000 pixels, where the mapping is one to one and every big
// text of the recording context fits.
void Draw(CRecordingDC& dc, const CHomingReadout& readout) {
    CHomingPicture::PrepareDC(dc, 2000, 1000);
    CHomingPicture(dc, readout, WINDOW, 2000).Draw();
}

LOGFONT Arial(int nHeight) {
    return {.lfHeight = nHeight,
            .lfWeight = FW_NORMAL,
            .lfCharSet = ANSI_CHARSET,
            .lfPitchAndFamily = FF_SWISS,
            .lfFaceName = "Arial"};
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
// middle where the full-height text's would be. The texts themselves, and wide windows, are the
// view's pictures.
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
        EXPECT_EQ(text.font, Arial(c.nFontHeight)) << c.width << "x" << c.height;
        EXPECT_EQ(text.topLeft, c.topLeft) << c.width << "x" << c.height;
    }
}

// One polyline in the wide black pen; none without a valid range.
TEST(HomingPicture, ChevronPointsTheWayToSteer) {
    const struct {
        int nStatus, nDirection;
        std::vector<CPoint> points;
    } cases[] = {
        {STAT_OK, DIR_RIGHT, {{250, -100}, {450, -200}, {250, -300}}},
        {STAT_OK, DIR_LEFT, {{-250, -100}, {-450, -200}, {-250, -300}}},
        {STAT_OK, DIR_AHEAD, {{-100, -400}, {0, -200}, {100, -400}}},
        {STAT_OK, DIR_UNDETERMINED, {{-100, -200}, {100, -200}}},
        {STAT_NO_REPLY, DIR_RIGHT, {}},
    };
    for (const auto& c : cases) {
        CRecordingDC dc;
        Draw(dc, Readout(c.nStatus, c.nDirection));
        std::vector<CPoint> drawn;
        for (const CRecordedLine& line : dc.m_lines) {
            if (drawn.empty())
                drawn.push_back(line.from);
            EXPECT_EQ(line.from, drawn.back()) << c.nDirection;
            EXPECT_EQ(line.pen, (LOGPEN{PS_SOLID, CHEVRON_PEN_WIDTH, BLACK}));
            drawn.push_back(line.to);
        }
        EXPECT_EQ(drawn, c.points) << c.nStatus << " " << c.nDirection;
    }
}

TEST(HomingPicture, InformationLinesStackDownFromTheTop) {
    for (const bool bConnected : {true, false}) {
        CRecordingDC dc;
        Draw(dc, Readout(STAT_OK, DIR_AHEAD, bConnected));
        const std::vector<CRecordedText>& texts = dc.m_texts;
        ASSERT_EQ(texts.size(), 6u);
        // The recording context's metric: characters 22 wide, lines 45 + 45 / 12 = 48 apart.
        // "Using: COM1 @ 4,800 Baud" is 24 x 22 = 528 wide: k = 269, start -(528 + 269) / 2.
        const std::string word = bConnected ? "Connected" : "Not Connected";
        const int wordX = 269 - static_cast<int>(word.size()) * 22 / 2;
        const std::vector<std::tuple<std::string, CPoint, COLORREF>> expected{
            {"Quendix Display V1.03 (30/07/2002)", {-374, 500}, BLACK},
            {"Copyright (c) 2002 Quendix Instruments", {-418, 452}, BLACK},
            {"Range to Transponder: 10", {-264, 404}, BLUE},
            {"Using: COM1 @ 4,800 Baud", {-398, 356}, BLACK},
            {word, {wordX, 356}, bConnected ? BLACK : RED}};
        for (std::size_t line = 0; line < expected.size(); ++line) {
            const CRecordedText& text = texts[line + 1];
            const auto& [content, topLeft, crText] = expected[line];
            EXPECT_EQ(text.text, content);
            EXPECT_EQ(text.topLeft, topLeft) << content;
            EXPECT_EQ(text.crText, crText) << content;
            EXPECT_EQ(text.crBk, WINDOW) << content;
            EXPECT_EQ(text.font, Arial(SMALL_FONT_HEIGHT)) << content;
        }
        EXPECT_EQ(dc.TextColor(), BLACK); // so the next pass starts in black
    }
}

// Each step selects the previous object back and deletes its own: repaints leave nothing behind.
// Failed fonts leave the texts in the context's own font; the chevron falls back on the stock
// white pen.
TEST(HomingPicture, FontsAndPenLiveOnlyWithinTheirStepAndFailuresLeaveTheCurrentOnes) {
    for (const bool bFail : {false, true}) {
        CRecordingDC dc;
        dc.m_bFailCreation = bFail;
        Draw(dc, Readout(STAT_OK, DIR_LEFT));
        EXPECT_EQ(dc.SelectedFont(), LOGFONT{});
        EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, BLACK}));
        ASSERT_EQ(dc.m_created.size(), 4u); // the range font once to measure, once to draw
        for (const HGDIOBJ object : dc.m_created)
            EXPECT_FALSE(dc.DeleteObject(object)) << "left alive";
        ASSERT_EQ(dc.m_texts.size(), 6u);
        for (const CRecordedText& text : dc.m_texts)
            EXPECT_EQ(text.font == LOGFONT{}, bFail) << text.text;
        ASSERT_EQ(dc.m_lines.size(), 2u);
        EXPECT_EQ(dc.m_lines.front().pen.lopnColor, bFail ? RGB(255, 255, 255) : BLACK);
    }
}

} // namespace
