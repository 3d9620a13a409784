#pragma once
// A device context: the drawing surface a view's drawing pass works on, with the meaning GDI
// gives these operations. Coordinates, font heights, pen widths and text measures are logical
// units, mapped to device pixels by the mapping mode. Text is placed by the top-left corner of its
// cell and drawn on an opaque box of the background colour. A fresh context maps one unit to one
// pixel and draws black text on white, in a default font, with a thin black pen.
//
// This base keeps the state (mapping, fonts and pens, colours, current position); an
// implementation renders and measures.

#include "GdiTypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>

class CDC {
public:
    CDC();
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // MM_ISOTROPIC makes units as long in x as in y: the window extent fits the smaller viewport
    // extent, and a negative extent flips its axis. Any other mode maps one unit to one pixel.
    void SetMapMode(int nMapMode);
    // A zero extent is refused, as GDI refuses it: the extent stays.
    void SetWindowExt(int cx, int cy);
    void SetViewportExt(int cx, int cy);
    void SetViewportOrg(int x, int y);
    CPoint LPtoDP(CPoint point) const;
    CPoint DPtoLP(CPoint point) const;

    // Null when the object cannot be created; only PS_SOLID pens can. Virtual so that a test
    // context can refuse them.
    virtual HGDIOBJ CreateFontIndirect(const LOGFONT& font);
    virtual HGDIOBJ CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    // Gives the previous object of the same kind; a null or unknown handle selects nothing and
    // gives null.
    HGDIOBJ SelectObject(HGDIOBJ object);
    // Only WHITE_PEN; any other index selects nothing and gives null.
    HGDIOBJ SelectStockObject(int nIndex);
    // An object still selected is not deleted (GDI forbids it), nor a stock or default one.
    bool DeleteObject(HGDIOBJ object);

    // Both give the previous colour.
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF SetTextColor(COLORREF crColor);

    // With the selected font and the current colours.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    void MoveTo(int x, int y);
    // With the selected pen.
    void LineTo(int x, int y);
    virtual CSize GetTextExtent(const std::string& text) = 0;
    virtual TEXTMETRIC GetTextMetrics() = 0;

protected:
    // device = viewport origin + logical x scale
    double ScaleX() const;
    double ScaleY() const;
    HGDIOBJ SelectedFontHandle() const { return m_hFont; }
    const LOGFONT& SelectedFont() const { return std::get<LOGFONT>(m_objects.at(m_hFont)); }
    const LOGPEN& SelectedPen() const { return std::get<LOGPEN>(m_objects.at(m_hPen)); }
    COLORREF TextColor() const { return m_crText; }
    COLORREF BkColor() const { return m_crBk; }

    virtual void RenderLine(CPoint from, CPoint to) = 0;

private:
    double Scale(int nViewportExt, int nWindowExt) const;

    bool m_bIsotropic = false;
    CSize m_sizeWindowExt{1, 1};
    CSize m_sizeViewportExt{1, 1};
    CPoint m_ptViewportOrg{};
    std::map<HGDIOBJ, std::variant<LOGFONT, LOGPEN>> m_objects;
    std::uint32_t m_nNextHandle;
    HGDIOBJ m_hFont;
    HGDIOBJ m_hPen;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBk = RGB(255, 255, 255);
    CPoint m_ptCurrent{};
};
