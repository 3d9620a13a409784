#pragma once
// A device context over a QPainter. The painter's device pixels (device-independent pixels on a
// high-density surface) are the context's device units. Fonts are realised per mapping like
// GDI's: a font of cell height h logical units gets the Qt pixel size whose ascent + descent
// come nearest to h device units without exceeding them, and its measures are given back in
// logical units. Of a font's attributes, face, height, weight and the Swiss family are honoured;
// the others are kept in the record but change nothing, since the view's type is upright and
// plain. Wide pens have round caps and joins.

#include "CDC.h"

#include <QFont>
#include <QFontMetrics>
#include <optional>

class QPainter;

class CPainterDC final : public CDC {
public:
    // The painter must stay active for the context's life; its world transform is the context's.
    explicit CPainterDC(QPainter& painter);

    void TextOut(int x, int y, const std::string& text) override;
    CSize GetTextExtent(const std::string& text) override;
    TEXTMETRIC GetTextMetrics() override;

protected:
    void RenderLine(CPoint from, CPoint to) override;

private:
    struct CRealizedFont {
        HGDIOBJ handle;
        double dScale;
        QFont font;
        QFontMetrics metrics;
    };

    const CRealizedFont& RealizedFont();
    double FontScale() const;
    int ToLogical(int deviceUnits) const;

    QPainter& m_painter;
    std::optional<CRealizedFont> m_font;
};
