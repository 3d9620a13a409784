#pragma once
// The homing view's picture, drawn on any device context: the range or status in large type, the
// steering chevron under it and four information lines at the top. The picture lives in a square
// of LOGICAL_EXTENT units, y upwards, origin at its centre, so it scales with the window.

#include "CDC.h"
#include "CHomingReadout.h"

#include <string>

// Positions and sizes in logical units: fractions of the extent, truncated.
inline constexpr int LOGICAL_EXTENT = 1000;
inline constexpr int INFO_TOP_Y = 500;       // 0.5
inline constexpr int RANGE_TEXT_Y = 300;     // 0.3003003003003003
inline constexpr int SMALL_FONT_HEIGHT = 45; // 0.045
inline constexpr int CHEVRON_TIP_X = 450;    // 0.45
inline constexpr int CHEVRON_DEPTH = 200;    // 0.2
inline constexpr int CHEVRON_ARM = 100;      // 0.1
inline constexpr int CHEVRON_Y = 200;        // 0.2
inline constexpr int CHEVRON_PEN_WIDTH = 50; // 0.05

class CHomingPicture {
public:
    // Maps the square onto a client area of the given pixels: it fits the smaller side and sits
    // in the centre of a wide area, at the top of a tall one.
    static void PrepareDC(CDC& dc, int nClientWidth, int nClientHeight);

    // crWindow is the window colour the texts stand on; the big text stays within the client
    // area's nClientWidth pixels.
    CHomingPicture(CDC& dc, const CHomingReadout& readout, COLORREF crWindow, int nClientWidth);
    // One pass; each step draws over the ones before it.
    void Draw();

    // The top of information line nLine.
    static int LinePosY(int nLine, int nLineHeight);
    // Where the connection word is centred, from the width of the port text before it.
    static int LinkWordCentreX(int cxPortText);

private:
    void DrawRange();
    int FittedHeight(const std::string& text, int nFullHeight);
    int TextWidthAt(const std::string& text, int nHeight);
    bool FitsBetweenEdges(int cx, int nMargin) const;
    void DrawChevron();
    void DrawInfo();
    void DrawCentred(const std::string& text, int y);
    void DrawLinkLine(int y);
    std::string RangeText() const;

    CDC& m_dc;
    const CHomingReadout& m_readout;
    COLORREF m_crWindow;
    int m_nClientWidth;
};
