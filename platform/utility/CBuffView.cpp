#include "CBuffView.h"

#include "CPainterDC.h"
#include "GdiColor.h"

#include <QPainter>

CBuffView::CBuffView(QWidget* parent) : QWidget(parent) {
    // Every paint covers the whole client area: no erase in between.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

CBuffView::~CBuffView() = default;

void CBuffView::OnPrepareDC(CDC&) {}

bool CBuffView::PaintBuffer() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (m_imgBuffer.size() != pixels)
        m_imgBuffer = QImage(pixels, QImage::Format_RGB32);
    if (m_imgBuffer.isNull())
        return false;
    m_imgBuffer.setDevicePixelRatio(dpr);
    m_imgBuffer.fill(ToQColor(m_crBackground));
    QPainter painter(&m_imgBuffer);
    CPainterDC dc(painter);
    OnPrepareDC(dc);
    OnDraw(dc);
    return true;
}

void CBuffView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (PaintBuffer())
        painter.drawImage(0, 0, m_imgBuffer);
    else // no memory for the buffer: the background at least
        painter.fillRect(rect(), ToQColor(m_crBackground));
}
