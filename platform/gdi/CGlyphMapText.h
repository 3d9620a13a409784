#pragma once
// Type too large for the raster engine's glyph cache (over 64 device pixels) is filled from its
// outlines on every paint, which makes a full-screen range readout cost milliseconds. The font
// engine's own coverage map of each glyph, blended in the text colour, gives the same picture
// in a fraction of the time. It draws plain type: no lines under, over or through it.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

class CGlyphMapText final {
public:
    // Whether the painter draws this font above the size the raster engine caches.
    static bool Suits(const QPainter& painter, const QFont& font);
    // Draws text as QPainter::drawText does, from the left end of its baseline.
    static void Draw(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
                     const QColor& colour);
};
