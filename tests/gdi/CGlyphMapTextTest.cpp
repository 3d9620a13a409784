#include "CGlyphMapText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const QString RANGE = "1234.6m";

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

struct CPicturePair {
    QImage outlines; // the raster engine's own drawing
    QImage glyphMaps;
};

CPicturePair DrawBothWays(const QFont& font, const QColor& colour, qreal dpr) {
    const QFontMetrics metrics(font);
    const QSize size(metrics.horizontalAdvance(RANGE) + 40, metrics.height() + 40);
    CPicturePair pair{Blank(size, dpr), Blank(size, dpr)};
    QPainter outlines(&pair.outlines);
    outlines.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    outlines.setFont(font);
    outlines.setPen(colour);
    outlines.drawText(20, 20 + metrics.ascent(), RANGE);
    QPainter glyphMaps(&pair.glyphMaps);
    CGlyphMapText::Draw(glyphMaps, QPointF(20, 20 + metrics.ascent()), RANGE, font, colour);
    return pair;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct CPictureCompare {
    int nInk = 0;       // pixels the outlines drew on
    int nMisplaced = 0; // pixels more than half a shade apart: ink in the wrong place
};

CPictureCompare Compare(const CPicturePair& pair) {
    CPictureCompare result;
    for (int y = 0; y < pair.outlines.height(); ++y)
        for (int x = 0; x < pair.outlines.width(); ++x) {
            const QRgb want = pair.outlines.pixel(x, y);
            result.nInk += want != qRgb(255, 255, 255) ? 1 : 0;
            result.nMisplaced += ChannelDistance(want, pair.glyphMaps.pixel(x, y)) > 128 ? 1 : 0;
        }
    return result;
}

struct CGlyphCase {
    int pixelSize;
    QColor colour;
    qreal dpr;
};

class GlyphMapText : public testing::TestWithParam<CGlyphCase> {};

TEST_P(GlyphMapText, DrawsWhatTheOutlinesDraw) {
    const CGlyphCase& c = GetParam();

    const CPictureCompare result = Compare(DrawBothWays(ArialAt(c.pixelSize), c.colour, c.dpr));
    ASSERT_GT(result.nInk, 1000);
    // Glyphs sit on whole pixels, so only the odd edge pixel of a curve may differ.
    EXPECT_LT(result.nMisplaced, result.nInk / 200);
}

INSTANTIATE_TEST_SUITE_P(SizesColoursDensities, GlyphMapText,
                         testing::Values(CGlyphCase{490, Qt::black, 1.0},
                                         CGlyphCase{120, Qt::red, 1.0},
                                         CGlyphCase{100, Qt::blue, 2.0},
                                         CGlyphCase{40, Qt::black, 2.0}));

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
