#include "CGlyphMapText.h"

#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

namespace {

// The raster engine's limit for cached glyphs, in device pixels.
constexpr double MAX_CACHED_GLYPH_SIZE = 64;
constexpr int ALPHA_LEVELS = 256;

double DevicePixelRatio(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatio() : 1.0;
}

// Each coverage level as the text colour at that opacity: the glyph's alpha map read through
// this table is the glyph in colour, with no copy of its pixels.
QList<QRgb> CoverageColours(const QColor& colour) {
    QList<QRgb> table(ALPHA_LEVELS);
    for (int level = 0; level < ALPHA_LEVELS; ++level)
        table[level] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), level));
    return table;
}

// Glyph maps are made at device pixels so that type stays sharp on a high-density surface.
void DrawRun(QPainter& painter, const QGlyphRun& run, QPointF origin, double dpr,
             const QList<QRgb>& colours) {
    QRawFont font = run.rawFont();
    font.setPixelSize(font.pixelSize() * dpr);
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QImage coverage = font.alphaMapForGlyph(glyphs[i], QRawFont::PixelAntialiasing);
        if (coverage.isNull() || coverage.format() != QImage::Format_Alpha8)
            continue;
        QImage glyph(coverage.constBits(), coverage.width(), coverage.height(),
                     coverage.bytesPerLine(), QImage::Format_Indexed8);
        glyph.setColorTable(colours);
        glyph.setDevicePixelRatio(dpr);
        const QRectF box = font.boundingRect(glyphs[i]);
        // Whole pixels: the nearest to the outline's own place, within half a pixel.
        const QPointF pen = (origin + positions[i]) * dpr;
        const QPointF corner(std::round(pen.x()) + box.left(), std::round(pen.y()) + box.top());
        painter.drawImage(corner / dpr, glyph);
    }
}

} // namespace

bool CGlyphMapText::Suits(const QPainter& painter, const QFont& font) {
    return font.pixelSize() * DevicePixelRatio(painter) > MAX_CACHED_GLYPH_SIZE &&
           painter.worldTransform().isIdentity();
}

void CGlyphMapText::Draw(QPainter& painter, QPointF baseline, const QString& text,
                         const QFont& font, const QColor& colour) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const QPointF topLeft = baseline - QPointF(0, line.ascent());
    const double dpr = DevicePixelRatio(painter);
    const QList<QRgb> colours = CoverageColours(colour);
    for (const QGlyphRun& run : layout.glyphRuns())
        DrawRun(painter, run, topLeft, dpr, colours);
}
