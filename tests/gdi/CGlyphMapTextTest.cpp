#include "CGlyphMapText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QFont ArialAt(int pixelSize) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QImage Blank(QSize size, qreal dpr) {
    QImage image(size * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

struct CPictureCompare {
    int nInk = 0;       // pixels the outlines drew on
    int nMisplaced = 0; // pixels more than half a shade apart: ink in the wrong place
};

// The range drawn from the outlines by the raster engine, and from the glyph maps.
CPictureCompare DrawBothWays(const QFont& font, const QColor& colour, qreal dpr) {
    const QString range = "1234.6m";
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(range) + 40, metrics.height() + 40);
    const QPointF baseline(20, 20 + metrics.ascent());
    QImage outlines = Blank(size, dpr);
    QPainter painter(&outlines);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(baseline, range);
    painter.end();
    QImage glyphMaps = Blank(size, dpr);
    painter.begin(&glyphMaps);
    CGlyphMapText::Draw(painter, baseline, range, font, colour);
    painter.end();

    CPictureCompare result;
    for (int y = 0; y < outlines.height(); ++y)
        for (int x = 0; x < outlines.width(); ++x) {
            const QRgb want = outlines.pixel(x, y);
            const QRgb got = glyphMaps.pixel(x, y);
            result.nInk += want != qRgb(255, 255, 255) ? 1 : 0;
            const int distance =
                std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                          std::abs(qBlue(want) - qBlue(got))});
            result.nMisplaced += distance > 128 ? 1 : 0;
        }
    return result;
}

// Glyphs sit on whole pixels, so only the odd edge pixel of a curve may differ.
TEST(GlyphMapText, DrawsWhatTheOutlinesDraw) {
    const struct {
        int pixelSize;
        QColor colour;
        qreal dpr;
    } cases[] = {
        {490, Qt::black, 1.0}, {120, Qt::red, 1.0}, {100, Qt::blue, 2.0}, {40, Qt::black, 2.0}};
    for (const auto& c : cases) {
        const CPictureCompare result = DrawBothWays(ArialAt(c.pixelSize), c.colour, c.dpr);
        ASSERT_GT(result.nInk, 1000) << c.pixelSize;
        EXPECT_LT(result.nMisplaced, result.nInk / 200) << c.pixelSize << " at " << c.dpr;
    }
}

TEST(GlyphMapText, SuitsOnlyTypeAboveTheCachedSize) {
    QImage single = Blank(QSize(10, 10), 1.0);
    QImage dense = Blank(QSize(10, 10), 2.0);
    QPainter onSingle(&single);
    QPainter onDense(&dense);
    EXPECT_FALSE(CGlyphMapText::Suits(onSingle, ArialAt(64)));
    EXPECT_TRUE(CGlyphMapText::Suits(onSingle, ArialAt(65)));
    EXPECT_TRUE(CGlyphMapText::Suits(onDense, ArialAt(33)));
    onSingle.scale(2, 2);
    EXPECT_FALSE(CGlyphMapText::Suits(onSingle, ArialAt(490)));
}

} // namespace
