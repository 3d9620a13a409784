#pragma once
// The buffered view base: a widget that paints its whole client area on every paint. It fills a
// buffer with m_crBackground, hands the derived view one device context covering the client area
// (OnPrepareDC, then OnDraw), and shows the buffer in one go, so the picture never flickers
// through an erased background. The buffer has the screen's pixel density, so text stays sharp
// on high-density screens.

#include "CDC.h"
#include "GdiTypes.h"

#include <QImage>
#include <QWidget>

class CBuffView : public QWidget {
public:
    ~CBuffView() override;

protected:
    explicit CBuffView(QWidget* parent = nullptr);

    // Sets the mapping of the context before the drawing; by default one unit is one pixel.
    virtual void OnPrepareDC(CDC& dc);
    virtual void OnDraw(CDC& dc) = 0;

    void paintEvent(QPaintEvent* event) override;

    COLORREF m_crBackground = RGB(255, 255, 255);
    // A buffering setting views give; this base buffers one way only and does not read it.
    int m_nBuffParam = 0;

private:
    bool PaintBuffer();

    QImage m_imgBuffer;
};
