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

CHomingPicture::CHomingPicture(CDC& dc, const CHomingReadout& readout, COLORREF crWindow)
    : m_dc(dc), m_readout(readout), m_crWindow(crWindow) {}

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

void CHomingPicture::DrawRange() {
    const int height = m_readout.m_nStatus == STAT_OK ? RANGE_FONT_HEIGHT : STATUS_FONT_HEIGHT;
    const CGdiSelection font(m_dc, m_dc.CreateFontIndirect(ArialFont(height)));
    const std::string text = RangeText();
    const int cx = m_dc.GetTextExtent(text).cx;
    m_dc.SetBkColor(m_crWindow);
    m_dc.TextOut(-(cx / 2), RANGE_TEXT_Y, text);
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
