#include "CPainterDC.h"

#include "CGdiSelection.h"
#include "GdiColor.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

// A white client area of width x height pixels mapped as the homing view maps it: 1000 units
// across the smaller side, y upwards, origin in the middle.
QImage Paint(int width, int height, const std::function<void(CDC&)>& draw, qreal dpr = 1.0) {
    QImage image(QSize(width, height) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(ToQColor(WHITE));
    QPainter painter(&image);
    CPainterDC dc(painter);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(width, -height);
    dc.SetViewportOrg(width / 2, height / 2);
    draw(dc);
    painter.end();
    return image;
}

COLORREF PixelAt(const QImage& image, int x, int y) {
    return ToColorRef(image.pixelColor(x, y));
}

// Rows of column x in the given colour.
int RunLength(const QImage& image, int x, COLORREF cr) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += PixelAt(image, x, y) == cr ? 1 : 0;
    return count;
}

void DrawLine(CDC& dc, CPoint from, CPoint to, int nWidth, COLORREF cr) {
    const CGdiSelection pen(dc, dc.CreatePen(PS_SOLID, nWidth, cr));
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
}

TEST(PainterDC, PutsLogicalPointsAtTheirPixels) {
    const struct {
        int width, height;
        qreal dpr;
        QPoint origin, up200; // device pixels of logical (0, 0) and (0, 200)
    } cases[] = {{800, 600, 1.0, {400, 300}, {400, 180}},
                 {400, 900, 1.0, {200, 450}, {200, 370}},
                 {800, 600, 2.0, {800, 600}, {800, 360}}};
    for (const auto& c : cases) {
        const QImage image = Paint(
            c.width, c.height,
            [](CDC& dc) {
                DrawLine(dc, {-20, 0}, {20, 0}, 10, RED);
                DrawLine(dc, {-20, 200}, {20, 200}, 10, BLUE);
            },
            c.dpr);
        EXPECT_EQ(PixelAt(image, c.origin.x(), c.origin.y()), RED) << c.width << " " << c.dpr;
        EXPECT_EQ(PixelAt(image, c.up200.x(), c.up200.y()), BLUE) << c.width << " " << c.dpr;
        EXPECT_EQ(PixelAt(image, c.origin.x(), c.origin.y() + 20 * c.dpr), WHITE) << c.width;
    }
}

// The opaque box is the font's cell: 450 units are 270 pixels here, from logical y 300 down; the
// measures are logical units.
TEST(PainterDC, TextStandsOnItsCellInItsColours) {
    TEXTMETRIC tm;
    CSize extent;
    const QImage image = Paint(800, 600, [&](CDC& dc) {
        const CGdiSelection font(dc, dc.CreateFontIndirect({.lfHeight = 450,
                                                            .lfWeight = FW_NORMAL,
                                                            .lfPitchAndFamily = FF_SWISS,
                                                            .lfFaceName = "Arial"}));
        dc.SetBkColor(BLUE);
        dc.SetTextColor(RED);
        dc.TextOut(-500, 300, "|M");
        tm = dc.GetTextMetrics();
        extent = dc.GetTextExtent("|M");
    });
    EXPECT_NEAR(RunLength(image, 101, BLUE), 270, 1);
    EXPECT_EQ(PixelAt(image, 101, 120), BLUE);
    EXPECT_NEAR(tm.tmHeight, 450, 2);
    EXPECT_GE(tm.tmExternalLeading, 0);
    EXPECT_NEAR(extent.cy, tm.tmHeight, 1);

    const int right = 100 + static_cast<int>(extent.cx * 0.6);
    EXPECT_EQ(PixelAt(image, right - 2, 121), BLUE);
    EXPECT_EQ(PixelAt(image, right + 3, 121), WHITE);
    bool redInside = false;
    for (int x = 100; x < right && !redInside; ++x)
        redInside = PixelAt(image, x, 120 + 200) == RED;
    EXPECT_TRUE(redInside);
}

} // namespace
