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

// The range drawn from the outlines by the raster engine, and from the glyph maps: the pixels the
// outlines drew on, and those more than half a shade apart (ink in the wrong place).
std::pair<int, int> InkAndMisplaced(const QFont& font, const QColor& colour, qreal dpr) {
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

    int ink = 0;
    int misplaced = 0;
    for (int y = 0; y < outlines.height(); ++y)
        for (int x = 0; x < outlines.width(); ++x) {
            const QRgb want = outlines.pixel(x, y);
            const QRgb got = glyphMaps.pixel(x, y);
            ink += want != qRgb(255, 255, 255) ? 1 : 0;
            const int distance =
                std::max({std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                          std::abs(qBlue(want) - qBlue(got))});
            misplaced += distance > 128 ? 1 : 0;
        }
    return {ink, misplaced};
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
        const auto [ink, misplaced] = InkAndMisplaced(ArialAt(c.pixelSize), c.colour, c.dpr);
        ASSERT_GT(ink, 1000) << c.pixelSize;
        EXPECT_LT(misplaced, ink / 200) << c.pixelSize << " at " << c.dpr;
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
