#include "CBuffView.h"

#include "CGdiSelection.h"
#include "GdiColor.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF BACKGROUND = RGB(10, 20, 30);
constexpr COLORREF PEN = RGB(200, 0, 0);

// Draws a bar across the middle of a 100 x 100 logical square that fills the client area.
class BarView final : public CBuffView {
public:
    BarView() {
        m_crBackground = BACKGROUND;
        resize(200, 100);
    }

protected:
    void OnPrepareDC(CDC& dc) override {
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(width(), height());
    }
    void OnDraw(CDC& dc) override {
        const CGdiSelection pen(dc, dc.CreatePen(PS_SOLID, 10, PEN));
        dc.MoveTo(10, 50);
        dc.LineTo(90, 50);
    }
};

COLORREF PixelAt(const QImage& image, int x, int y) {
    return ToColorRef(image.pixelColor(x, y));
}

TEST(BuffView, TheBufferAndTheMappingFollowTheClientArea) {
    BarView view;
    view.grab();
    view.resize(300, 300);
    const QImage picture = view.grab().toImage();
    EXPECT_EQ(PixelAt(picture, 295, 295), BACKGROUND);
    EXPECT_EQ(PixelAt(picture, 150, 150), PEN);
}

} // namespace
