#pragma once
// A device context: the drawing surface a view's drawing pass works on, with the meaning GDI
// gives these operations. Coordinates, font heights, pen widths and text measures are logical
// units, mapped to device pixels by the mapping mode. Text is placed by the top-left corner of its
// cell and drawn on an opaque box of the background colour. A fresh context has MM_TEXT, black
// text on white, the stock system font and the stock black pen.
//
// This base keeps the state (mapping, objects, colours, current position); an implementation
// renders and measures. Every operation is virtual so that a recording context can note it.

#include "CGdiObjectTable.h"
#include "CViewportMapping.h"
#include "GdiTypes.h"

#include <string>

class CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    virtual void SetMapMode(int nMapMode);
    virtual void SetWindowExt(int cx, int cy);
    virtual void SetViewportExt(int cx, int cy);
    virtual void SetViewportOrg(int x, int y);

    // Null when the object cannot be created; only PS_SOLID pens can.
    virtual HGDIOBJ CreateFontIndirect(const LOGFONT& font);
    virtual HGDIOBJ CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    virtual HGDIOBJ SelectObject(HGDIOBJ object);
    virtual HGDIOBJ SelectStockObject(int nIndex);
    virtual bool DeleteObject(HGDIOBJ object);

    // Both give the previous colour.
    virtual COLORREF SetBkColor(COLORREF crColor);
    virtual COLORREF SetTextColor(COLORREF crColor);

    virtual void TextOut(int x, int y, const std::string& text);
    virtual void MoveTo(int x, int y);
    virtual void LineTo(int x, int y);

    virtual CSize GetTextExtent(const std::string& text);
    virtual TEXTMETRIC GetTextMetrics();

protected:
    const CViewportMapping& Mapping() const { return m_mapping; }
    const CGdiObjectTable& Objects() const { return m_objects; }
    COLORREF TextColor() const { return m_crText; }
    COLORREF BkColor() const { return m_crBk; }

    // With the selected font and the current colours.
    virtual void RenderText(CPoint topLeft, const std::string& text) = 0;
    // With the selected pen.
    virtual void RenderLine(CPoint from, CPoint to) = 0;
    virtual CSize MeasureText(const std::string& text) = 0;
    virtual TEXTMETRIC MeasureFont() = 0;

private:
    CViewportMapping m_mapping;
    CGdiObjectTable m_objects;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    CPoint m_ptCurrent{};
};
