#include "CPainterDC.h"

#include "CGlyphMapText.h"
#include "GdiColor.h"

#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The cell height GDI gives a font created with height 0.
constexpr int DEFAULT_CELL_HEIGHT = 16;
// Pixel sizes tried either side of the first estimate before settling.
constexpr int MAX_FIT_STEPS = 8;
// No screen is taller; a font height beyond it is a caller's mistake, not worth a crash.
constexpr double MAX_DEVICE_CELL = 32767;

QString ToQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont BaseFont(const LOGFONT& lf) {
    QFont font(ToQString(lf.lfFaceName));
    if ((lf.lfPitchAndFamily & 0xF0) == FF_SWISS)
        font.setStyleHint(QFont::SansSerif);
    const int weight = lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight;
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    return font;
}

int CellAtPixelSize(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// Qt sizes a font by its em, GDI by its cell: the largest em whose cell still fits.
int PixelSizeForCell(const QFont& font, int cell) {
    int size = std::max(1, static_cast<int>(std::lround(static_cast<double>(cell) * cell /
                                                        CellAtPixelSize(font, cell))));
    for (int step = 0; step < MAX_FIT_STEPS && size > 1 && CellAtPixelSize(font, size) > cell;
         ++step)
        --size;
    for (int step = 0; step < MAX_FIT_STEPS && CellAtPixelSize(font, size + 1) <= cell; ++step)
        ++size;
    return size;
}

QFont Realize(const LOGFONT& lf, double dScale) {
    QFont font = BaseFont(lf);
    const int height = lf.lfHeight == 0 ? DEFAULT_CELL_HEIGHT : lf.lfHeight;
    const double cell =
        std::clamp(std::fabs(static_cast<double>(height)) * dScale, 1.0, MAX_DEVICE_CELL);
    const int device = static_cast<int>(std::lround(cell));
    font.setPixelSize(height > 0 ? PixelSizeForCell(font, device) : device);
    return font;
}

QPen ToQPen(const LOGPEN& lp) {
    QPen pen(ToQColor(lp.lopnColor));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (lp.lopnWidth > 0) {
        pen.setWidth(lp.lopnWidth);
    } else {
        pen.setWidth(1);
        pen.setCosmetic(true);
    }
    return pen;
}

} // namespace

CPainterDC::CPainterDC(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

double CPainterDC::FontScale() const {
    return std::abs(ScaleY());
}

int CPainterDC::ToLogical(int deviceUnits) const {
    return static_cast<int>(std::lround(deviceUnits / FontScale()));
}

const CPainterDC::CRealizedFont& CPainterDC::RealizedFont() {
    const HGDIOBJ handle = SelectedFontHandle();
    const double dScale = FontScale();
    if (!m_font || m_font->handle != handle || m_font->dScale != dScale) {
        const QFont font = Realize(SelectedFont(), dScale);
        m_font.emplace(CRealizedFont{handle, dScale, font, QFontMetrics(font)});
    }
    return *m_font;
}

void CPainterDC::TextOut(int x, int y, const std::string& text) {
    const CRealizedFont& font = RealizedFont();
    const QString qtext = ToQString(text);
    const CPoint at = LPtoDP({x, y});
    const QRect box(at.x, at.y, font.metrics.horizontalAdvance(qtext),
                    font.metrics.ascent() + font.metrics.descent());
    // Text stays upright whatever the mapping: it is placed in device units.
    m_painter.setWorldTransform(QTransform());
    m_painter.fillRect(box, ToQColor(BkColor()));
    const QPointF baseline(at.x, at.y + font.metrics.ascent());
    if (CGlyphMapText::Suits(m_painter, font.font)) {
        CGlyphMapText::Draw(m_painter, baseline, qtext, font.font, ToQColor(TextColor()));
        return;
    }
    m_painter.setFont(font.font);
    m_painter.setPen(ToQColor(TextColor()));
    m_painter.drawText(baseline, qtext);
}

void CPainterDC::RenderLine(CPoint from, CPoint to) {
    const CPoint origin = LPtoDP({0, 0});
    m_painter.setWorldTransform(QTransform(ScaleX(), 0, 0, ScaleY(), origin.x, origin.y));
    m_painter.setPen(ToQPen(SelectedPen()));
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

CSize CPainterDC::GetTextExtent(const std::string& text) {
    const CRealizedFont& font = RealizedFont();
    return {ToLogical(font.metrics.horizontalAdvance(ToQString(text))),
            ToLogical(font.metrics.ascent() + font.metrics.descent())};
}

TEXTMETRIC CPainterDC::GetTextMetrics() {
    const QFontMetrics& metrics = RealizedFont().metrics;
    return {ToLogical(metrics.ascent() + metrics.descent()),
            ToLogical(std::max(0, metrics.leading()))};
}
