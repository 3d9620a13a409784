#include "CHomingPicture.h"

#include "CRecordingDC.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr COLORREF WINDOW = RGB(1, 2, 3);
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF RED = RGB(255, 0, 0);

CHomingReadout Readout(int nStatus, int nDirection = DIR_AHEAD, bool bConnected = true) {
    return {nStatus, 12.34, "m", nDirection, 10, "COM1", "4,800", bConnected};
}

void Draw(CRecordingDC& dc, const CHomingReadout& readout) {
    CHomingPicture(dc, readout, WINDOW).Draw();
}

struct ClientCase {
    int width, height;
    CPoint origin;
    int pixelsPer1000;
};

class HomingMapping : public ::testing::TestWithParam<ClientCase> {};

TEST_P(HomingMapping, FitsTheSquareIntoTheClientArea) {
    const ClientCase& c = GetParam();
    CRecordingDC dc;
    CHomingPicture::PrepareDC(dc, c.width, c.height);
    EXPECT_THAT(dc.Operations(), ElementsAre("SetMapMode(7)", "SetWindowExt(1000,1000)",
                                             "SetViewportExt(" + std::to_string(c.width) + ",-" +
                                                 std::to_string(c.height) + ")",
                                             "SetViewportOrg(" + std::to_string(c.origin.x) + "," +
                                                 std::to_string(c.origin.y) + ")"));
    const CViewportMapping& mapping = dc.GetMapping();
    EXPECT_EQ(mapping.LPtoDP({0, 0}), c.origin);
    const CPoint upRight = mapping.LPtoDP({1000, 1000});
    EXPECT_EQ(upRight.x - c.origin.x, c.pixelsPer1000);
    EXPECT_EQ(c.origin.y - upRight.y, c.pixelsPer1000); // y grows upwards
}

INSTANTIATE_TEST_SUITE_P(
    ClientAreas, HomingMapping,
    ::testing::Values(ClientCase{800, 600, {400, 300}, 600}, ClientCase{400, 900, {200, 200}, 400},
                      ClientCase{500, 500, {250, 250}, 500}, ClientCase{801, 601, {400, 300}, 601}),
    [](const auto& info) {
        return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
    });

struct RangeCase {
    int nStatus;
    double dRange;
    const char* units;
    const char* text;
    int nFontHeight;
};

class RangeText : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeText, ShowsRangeOrStatusCentredAtTheTop) {
    const RangeCase& c = GetParam();
    CHomingReadout readout = Readout(c.nStatus);
    readout.m_dRange = c.dRange;
    readout.m_strUnitsAbbrev = c.units;
    CRecordingDC dc;
    Draw(dc, readout);

    const CRecordedText& text = dc.Texts().front();
    EXPECT_EQ(text.text, c.text);
    const int width = static_cast<int>(text.text.size()) * (c.nFontHeight / 2);
    EXPECT_EQ(text.topLeft, (CPoint{-(width / 2), RANGE_TEXT_Y}));
    EXPECT_EQ(text.font.lfHeight, c.nFontHeight);
    EXPECT_EQ(text.font.lfFaceName, "Arial");
    EXPECT_EQ(text.font.lfWeight, FW_NORMAL);
    EXPECT_EQ(text.font.lfPitchAndFamily, FF_SWISS);
    EXPECT_EQ(text.font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(text.crText, BLACK);
    EXPECT_EQ(text.crBk, WINDOW);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, RangeText,
    ::testing::Values(RangeCase{STAT_OK, 12.34, "m", " 12.3m", 450},
                      RangeCase{STAT_OK, 1234.56, "ft", "1234.6ft", 450},
                      RangeCase{STAT_OK, -0.04, "ms", " -0.0ms", 450},
                      RangeCase{STAT_NO_TELEGRAM, 12.34, "m", "NO TELGRM", 270},
                      RangeCase{STAT_BAD_TELEGRAM, 12.34, "m", "COMMS ERR", 270},
                      RangeCase{STAT_NO_REPLY, 12.34, "m", "NO REPLY", 270},
                      RangeCase{0, 12.34, "m", "PROG ERR", 270},
                      RangeCase{5, 12.34, "m", "PROG ERR", 270}));

struct ChevronCase {
    int nDirection;
    std::vector<CPoint> points;
};

class Chevron : public ::testing::TestWithParam<ChevronCase> {};

TEST_P(Chevron, PointsTheWayToSteer) {
    const ChevronCase& c = GetParam();
    CRecordingDC dc;
    Draw(dc, Readout(STAT_OK, c.nDirection));
    std::vector<CPoint> drawn{dc.Lines().front().from};
    for (const CRecordedLine& line : dc.Lines()) {
        EXPECT_EQ(line.from, drawn.back()); // one polyline
        EXPECT_EQ(line.pen, (LOGPEN{PS_SOLID, CHEVRON_PEN_WIDTH, BLACK}));
        drawn.push_back(line.to);
    }
    EXPECT_EQ(drawn, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, Chevron,
    ::testing::Values(ChevronCase{DIR_RIGHT, {{250, -100}, {450, -200}, {250, -300}}},
                      ChevronCase{DIR_LEFT, {{-250, -100}, {-450, -200}, {-250, -300}}},
                      ChevronCase{DIR_AHEAD, {{-100, -400}, {0, -200}, {100, -400}}},
                      ChevronCase{DIR_UNDETERMINED, {{-100, -200}, {100, -200}}},
                      ChevronCase{7, {{-100, -200}, {100, -200}}}));

TEST(HomingPicture, DrawsNoChevronWithoutAValidRange) {
    for (const int nStatus : {0, STAT_NO_TELEGRAM, STAT_BAD_TELEGRAM, STAT_NO_REPLY, 5}) {
        CRecordingDC dc;
        Draw(dc, Readout(nStatus, DIR_RIGHT));
        EXPECT_THAT(dc.Lines(), IsEmpty()) << "status " << nStatus;
        EXPECT_EQ(dc.GetMapping().GetMapMode(), MM_TEXT); // the pass leaves mapping to PrepareDC
    }
}

TEST(HomingPicture, InformationLinesStackDownFromTheTop) {
    for (const bool bConnected : {true, false}) {
        CRecordingDC dc;
        Draw(dc, Readout(STAT_OK, DIR_AHEAD, bConnected));
        const std::vector<CRecordedText>& texts = dc.Texts();
        ASSERT_EQ(texts.size(), 6u);
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
            EXPECT_EQ(text.font.lfHeight, SMALL_FONT_HEIGHT) << content;
        }
        EXPECT_EQ(dc.GetTextColor(), BLACK);
    }
}

TEST(HomingPicture, NextPassStartsInBlackAfterNotConnected) {
    CRecordingDC dc;
    Draw(dc, Readout(STAT_OK, DIR_AHEAD, false));
    const std::size_t firstPass = dc.Texts().size();
    Draw(dc, Readout(STAT_NO_REPLY, DIR_AHEAD, false));
    EXPECT_EQ(dc.Texts()[firstPass].crText, BLACK);     // the range text
    EXPECT_EQ(dc.Texts()[firstPass + 1].crText, BLACK); // the title
    EXPECT_EQ(dc.Texts().back().crText, RED);
}

TEST(HomingPicture, FontsAndPenLiveOnlyWithinTheirStep) {
    CRecordingDC dc;
    for (int pass = 0; pass < 3; ++pass) {
        Draw(dc, Readout(STAT_OK, DIR_RIGHT));
        EXPECT_EQ(dc.CreatedObjectCount(), 0u);
        EXPECT_EQ(dc.SelectedFont().lfFaceName, "System");
        EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, BLACK}));
    }
}

// The order of a whole pass: each object is selected back before it is deleted, the background
// colour is set before the texts of its step.
TEST(HomingPicture, PassOperationsInOrder) {
    CRecordingDC dc;
    Draw(dc, Readout(STAT_OK, DIR_RIGHT, false));
    EXPECT_THAT(
        dc.Operations(),
        ElementsAre("CreateFont(Arial,450,400)=256", "SelectObject(256)=13",
                    "GetTextExtent(\" 12.3m\")=1350x450", "SetBkColor(030201)",
                    "TextOut(-675,300,\" 12.3m\")", "SelectObject(13)=256", "DeleteObject(256)=1",
                    "CreatePen(0,50,000000)=257", "SelectObject(257)=7", "MoveTo(250,-100)",
                    "LineTo(450,-200)", "LineTo(250,-300)", "SelectObject(7)=257",
                    "DeleteObject(257)=1", "CreateFont(Arial,45,400)=258", "SelectObject(258)=13",
                    "GetTextMetrics()", "SetBkColor(030201)",
                    "GetTextExtent(\"Quendix Display V1.03 (30/07/2002)\")=748x45",
                    "TextOut(-374,500,\"Quendix Display V1.03 (30/07/2002)\")",
                    "GetTextExtent(\"Copyright (c) 2002 Quendix Instruments\")=836x45",
                    "TextOut(-418,452,\"Copyright (c) 2002 Quendix Instruments\")",
                    "SetTextColor(ff0000)", "GetTextExtent(\"Range to Transponder: 10\")=528x45",
                    "TextOut(-264,404,\"Range to Transponder: 10\")", "SetTextColor(000000)",
                    "GetTextExtent(\"Using: COM1 @ 4,800 Baud\")=528x45",
                    "TextOut(-398,356,\"Using: COM1 @ 4,800 Baud\")", "SetTextColor(0000ff)",
                    "GetTextExtent(\"Not Connected\")=286x45", "TextOut(126,356,\"Not Connected\")",
                    "SetTextColor(000000)", "SelectObject(13)=258", "DeleteObject(258)=1"));
}

TEST(HomingPicture, FailedFontsAndPenLeaveTheCurrentOnesInUse) {
    CRecordingDC dc;
    dc.FailObjectCreation(true);
    Draw(dc, Readout(STAT_OK, DIR_LEFT));
    ASSERT_EQ(dc.Texts().size(), 6u);
    for (const CRecordedText& text : dc.Texts())
        EXPECT_EQ(text.font.lfFaceName, "System") << text.text;
    ASSERT_EQ(dc.Lines().size(), 2u);
    EXPECT_EQ(dc.Lines().front().pen, (LOGPEN{PS_SOLID, 0, RGB(255, 255, 255)}));
    EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, BLACK}));
    EXPECT_EQ(dc.CreatedObjectCount(), 0u);
}

} // namespace
