#include "CHomingPicture.h"

#include "CGdiSelection.h"
#include "NumberText.h"

#include <vector>

namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF RED = RGB(255, 0, 0);

constexpr int RANGE_FONT_HEIGHT = 10 * SMALL_FONT_HEIGHT;
constexpr int STATUS_FONT_HEIGHT = 6 * SMALL_FONT_HEIGHT;
// The gap a shrunk range or status text keeps from each edge of the client area: 0.02.
constexpr int FITTED_TEXT_MARGIN = 20;

constexpr const char* TITLE = "Quendix Display V1.03 (30/07/2002)";
constexpr const char* COPYRIGHT = "Copyright (c) 2002 Quendix Instruments";

LOGFONT ArialFont(int nHeight) {
    LOGFONT font;
    font.lfHeight = nHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    font.lfFaceName = "Arial";
    return font;
}

std::vector<CPoint> ChevronPoints(int nDirection) {
    if (nDirection == DIR_LEFT || nDirection == DIR_RIGHT) {
        const int s = nDirection == DIR_LEFT ? -1 : 1;
        return {{s * (CHEVRON_TIP_X - CHEVRON_DEPTH), CHEVRON_ARM - CHEVRON_Y},
                {s * CHEVRON_TIP_X, -CHEVRON_Y},
                {s * (CHEVRON_TIP_X - CHEVRON_DEPTH), -(CHEVRON_Y + CHEVRON_ARM)}};
    }
    if (nDirection == DIR_AHEAD)
        return {{-CHEVRON_ARM, -(CHEVRON_Y + CHEVRON_DEPTH)},
                {0, -CHEVRON_Y},
                {CHEVRON_ARM, -(CHEVRON_Y + CHEVRON_DEPTH)}};
    return {{-CHEVRON_ARM, -CHEVRON_Y}, {CHEVRON_ARM, -CHEVRON_Y}};
}

} // namespace

void CHomingPicture::PrepareDC(CDC& dc, int nClientWidth, int nClientHeight) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(LOGICAL_EXTENT, LOGICAL_EXTENT);
    dc.SetViewportExt(nClientWidth, -nClientHeight);
    if (nClientHeight < nClientWidth)
        dc.SetViewportOrg(nClientWidth / 2, nClientHeight / 2);
    else
        dc.SetViewportOrg(nClientWidth / 2, nClientWidth / 2);
}

CHomingPicture::CHomingPicture(CDC& dc, const CHomingReadout& readout, COLORREF crWindow,
                               int nClientWidth)
    : m_dc(dc), m_readout(readout), m_crWindow(crWindow), m_nClientWidth(nClientWidth) {}

void CHomingPicture::Draw() {
    DrawRange();
    DrawChevron();
    DrawInfo();
}

int CHomingPicture::LinePosY(int nLine, int nLineHeight) {
    return INFO_TOP_Y - nLine * nLineHeight;
}

int CHomingPicture::LinkWordCentreX(int cxPortText) {
    return static_cast<int>(cxPortText / static_cast<double>(SMALL_FONT_HEIGHT) * 23);
}

std::string CHomingPicture::RangeText() const {
    switch (m_readout.m_nStatus) {
    case STAT_OK:
        return FormatFixed(m_readout.m_dRange, 1, 5) + m_readout.m_strUnitsAbbrev;
    case STAT_NO_TELEGRAM:
        return "NO TELGRM";
    case STAT_BAD_TELEGRAM:
        return "COMMS ERR";
    case STAT_NO_REPLY:
        return "NO REPLY";
    default:
        return "PROG ERR";
    }
}

// A text cut at the window's edge is a wrong reading ("85.7" for 485.7): one that would run past
// an edge is drawn smaller, its middle where the full-height text's would be.
void CHomingPicture::DrawRange() {
    const int fullHeight = m_readout.m_nStatus == STAT_OK ? RANGE_FONT_HEIGHT : STATUS_FONT_HEIGHT;
    const std::string text = RangeText();
    const int height = FittedHeight(text, fullHeight);
    const CGdiSelection font(m_dc, m_dc.CreateFontIndirect(ArialFont(height)));
    const int cx = m_dc.GetTextExtent(text).cx;
    m_dc.SetBkColor(m_crWindow);
    m_dc.TextOut(-(cx / 2), RANGE_TEXT_Y - (fullHeight - height) / 2, text);
}

// The full height where the text fits at it, else the largest that fits with a margin, found by
// halving, since the text widens with its height.
int CHomingPicture::FittedHeight(const std::string& text, int nFullHeight) {
    if (FitsBetweenEdges(TextWidthAt(text, nFullHeight), 0))
        return nFullHeight;
    int fits = 1;
    int tooWide = nFullHeight;
    while (tooWide - fits > 1) {
        const int height = (fits + tooWide) / 2;
        (FitsBetweenEdges(TextWidthAt(text, height), FITTED_TEXT_MARGIN) ? fits : tooWide) = height;
    }
    return fits;
}

int CHomingPicture::TextWidthAt(const std::string& text, int nHeight) {
    const CGdiSelection font(m_dc, m_dc.CreateFontIndirect(ArialFont(nHeight)));
    return m_dc.GetTextExtent(text).cx;
}

// For a text centred as DrawRange centres it.
bool CHomingPicture::FitsBetweenEdges(int cx, int nMargin) const {
    const int left = m_dc.DPtoLP({0, 0}).x + nMargin;
    const int right = m_dc.DPtoLP({m_nClientWidth, 0}).x - nMargin;
    return -(cx / 2) >= left && -(cx / 2) + cx <= right;
}

void CHomingPicture::DrawChevron() {
    if (m_readout.m_nStatus != STAT_OK)
        return;
    const CGdiSelection pen(m_dc, m_dc.CreatePen(PS_SOLID, CHEVRON_PEN_WIDTH, BLACK), WHITE_PEN);
    const std::vector<CPoint> points = ChevronPoints(m_readout.m_nDirection);
    m_dc.MoveTo(points.front().x, points.front().y);
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        m_dc.LineTo(point->x, point->y);
}

void CHomingPicture::DrawCentred(const std::string& text, int y) {
    m_dc.TextOut(-(m_dc.GetTextExtent(text).cx / 2), y, text);
}

// The port text, then the connection word centred further right.
void CHomingPicture::DrawLinkLine(int y) {
    const std::string port =
        "Using: " + m_readout.m_strComPort + " @ " + m_readout.m_strBaudRate + " Baud";
    const int cxPort = m_dc.GetTextExtent(port).cx;
    const int k = LinkWordCentreX(cxPort);
    m_dc.TextOut(-((cxPort + k) / 2), y, port);

    if (!m_readout.m_bConnected)
        m_dc.SetTextColor(RED);
    const std::string word = m_readout.m_bConnected ? "Connected" : "Not Connected";
    m_dc.TextOut(k - m_dc.GetTextExtent(word).cx / 2, y, word);
}

void CHomingPicture::DrawInfo() {
    const CGdiSelection font(m_dc, m_dc.CreateFontIndirect(ArialFont(SMALL_FONT_HEIGHT)));
    const TEXTMETRIC tm = m_dc.GetTextMetrics();
    const int h = tm.tmHeight + tm.tmExternalLeading;
    m_dc.SetBkColor(m_crWindow);
    DrawCentred(TITLE, LinePosY(0, h));
    DrawCentred(COPYRIGHT, LinePosY(1, h));
    m_dc.SetTextColor(BLUE);
    DrawCentred("Range to Transponder: " + std::to_string(m_readout.m_nTpdrNo), LinePosY(2, h));
    m_dc.SetTextColor(BLACK);
    DrawLinkLine(LinePosY(3, h));
    m_dc.SetTextColor(BLACK);
}
