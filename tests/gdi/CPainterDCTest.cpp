#include "CPainterDC.h"

#include "CGdiSelection.h"
#include "GdiColor.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

LOGFONT Arial(int nHeight) {
    LOGFONT font;
    font.lfHeight = nHeight;
    font.lfWeight = FW_NORMAL;
    font.lfPitchAndFamily = FF_SWISS;
    font.lfFaceName = "Arial";
    return font;
}

// A client area of width x height pixels mapped as the homing view maps it: 1000 units across
// the smaller side, y upwards, origin in the middle.
class PainterSurface {
public:
    PainterSurface(int width, int height, qreal dpr = 1.0)
        : m_image(QSize(width, height) * dpr, QImage::Format_RGB32) {
        m_image.setDevicePixelRatio(dpr);
        m_image.fill(ToQColor(WHITE));
        m_painter.begin(&m_image);
        m_dc.emplace(m_painter);
        m_dc->SetMapMode(MM_ISOTROPIC);
        m_dc->SetWindowExt(1000, 1000);
        m_dc->SetViewportExt(width, -height);
        m_dc->SetViewportOrg(width / 2, height / 2);
    }
    CDC& dc() { return *m_dc; }
    const QImage& Finish() {
        m_dc.reset();
        m_painter.end();
        return m_image;
    }

private:
    QImage m_image;
    QPainter m_painter;
    std::optional<CPainterDC> m_dc;
};

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

struct OriginCase {
    int width, height;
    qreal dpr;
    QPoint origin, up200; // device pixels of logical (0, 0) and (0, 200)
};

class PainterMapping : public ::testing::TestWithParam<OriginCase> {};

TEST_P(PainterMapping, PutsLogicalPointsAtTheirPixels) {
    const OriginCase& c = GetParam();
    PainterSurface surface(c.width, c.height, c.dpr);
    DrawLine(surface.dc(), {-20, 0}, {20, 0}, 10, RED);
    DrawLine(surface.dc(), {-20, 200}, {20, 200}, 10, BLUE);
    const QImage& image = surface.Finish();
    EXPECT_EQ(PixelAt(image, c.origin.x(), c.origin.y()), RED);
    EXPECT_EQ(PixelAt(image, c.up200.x(), c.up200.y()), BLUE);
    EXPECT_EQ(PixelAt(image, c.origin.x(), c.origin.y() + 20 * c.dpr), WHITE);
}

INSTANTIATE_TEST_SUITE_P(ClientAreas, PainterMapping,
                         ::testing::Values(OriginCase{800, 600, 1.0, {400, 300}, {400, 180}},
                                           OriginCase{400, 900, 1.0, {200, 450}, {200, 370}},
                                           OriginCase{800, 600, 2.0, {800, 600}, {800, 360}}),
                         [](const auto& info) {
                             const OriginCase& c = info.param;
                             return std::to_string(c.width) + "x" + std::to_string(c.height) +
                                    "at" + std::to_string(static_cast<int>(c.dpr)) + "x";
                         });

TEST(PainterDC, WidePensHaveRoundEnds) {
    PainterSurface surface(800, 600);
    DrawLine(surface.dc(), {-100, 0}, {100, 0}, 50, RED); // 30 pixels wide, ends at x 340 and 460
    const QImage& image = surface.Finish();
    EXPECT_EQ(RunLength(image, 400, RED), 30);
    EXPECT_EQ(PixelAt(image, 470, 300), RED);   // inside the round cap
    EXPECT_EQ(PixelAt(image, 472, 288), WHITE); // a square cap would fill this corner
}

TEST(PainterDC, FontCellHeightIsTheLogicalHeightOnTheDevice) {
    PainterSurface surface(800, 600);
    TEXTMETRIC tm;
    CSize extent;
    {
        CDC& dc = surface.dc();
        const CGdiSelection font(dc, dc.CreateFontIndirect(Arial(450)));
        dc.SetBkColor(RED);
        dc.TextOut(-500, 300, "|");
        tm = dc.GetTextMetrics();
        extent = dc.GetTextExtent("|");
    }
    const QImage& image = surface.Finish();

    // The opaque box is the cell: 450 units x 0.6 = 270 pixels, starting at logical y 300.
    const int cellPixels = RunLength(image, 101, RED);
    EXPECT_NEAR(cellPixels, 270, 1);
    EXPECT_EQ(PixelAt(image, 101, 120), RED);
    EXPECT_NEAR(tm.tmHeight, 450, 2);
    EXPECT_GE(tm.tmExternalLeading, 0);
    EXPECT_NEAR(extent.cy, tm.tmHeight, 1);
}

TEST(PainterDC, TextMeasuresAreLogicalWhateverTheScale) {
    const std::string text = "Quendix Display V1.03 (30/07/2002)";
    auto measure = [&](int width, int height) {
        PainterSurface surface(width, height);
        CDC& dc = surface.dc();
        const CGdiSelection font(dc, dc.CreateFontIndirect(Arial(45)));
        return std::pair(dc.GetTextExtent(text), dc.GetTextMetrics());
    };
    const auto [small, tmSmall] = measure(600, 400);
    const auto [large, tmLarge] = measure(1800, 1200);
    EXPECT_NEAR(tmSmall.tmHeight, 45, 2);
    EXPECT_NEAR(tmLarge.tmHeight, 45, 1);
    EXPECT_NEAR(small.cx, large.cx, large.cx / 20); // hinting differs a little between sizes
    EXPECT_GT(large.cx, 10 * 45);
}

TEST(PainterDC, TextBoxTakesTheBackgroundAndTheTextItsColour) {
    PainterSurface surface(800, 600);
    CSize extent;
    {
        CDC& dc = surface.dc();
        const CGdiSelection font(dc, dc.CreateFontIndirect(Arial(270)));
        dc.SetBkColor(BLUE);
        dc.SetTextColor(RED);
        dc.TextOut(0, 0, "MMM");
        extent = dc.GetTextExtent("MMM");
    }
    const QImage& image = surface.Finish();
    const int right = 400 + static_cast<int>(extent.cx * 0.6);
    EXPECT_EQ(PixelAt(image, 401, 301), BLUE);
    EXPECT_EQ(PixelAt(image, right + 3, 301), WHITE);
    bool redInside = false;
    for (int x = 400; x < right && !redInside; ++x)
        redInside = PixelAt(image, x, 300 + 80) == RED;
    EXPECT_TRUE(redInside);
}

} // namespace
