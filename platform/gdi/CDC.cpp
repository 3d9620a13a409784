#include "CDC.h"

void CDC::SetMapMode(int nMapMode) {
    m_mapping.SetMapMode(nMapMode);
}

void CDC::SetWindowExt(int cx, int cy) {
    m_mapping.SetWindowExt(cx, cy);
}

void CDC::SetViewportExt(int cx, int cy) {
    m_mapping.SetViewportExt(cx, cy);
}

void CDC::SetViewportOrg(int x, int y) {
    m_mapping.SetViewportOrg(x, y);
}

HGDIOBJ CDC::CreateFontIndirect(const LOGFONT& font) {
    return m_objects.CreateFont(font);
}

HGDIOBJ CDC::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return m_objects.CreatePen({nPenStyle, nWidth, crColor});
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    return m_objects.Select(object);
}

HGDIOBJ CDC::SelectStockObject(int nIndex) {
    return m_objects.SelectStock(nIndex);
}

bool CDC::DeleteObject(HGDIOBJ object) {
    return m_objects.Delete(object);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    const COLORREF previous = m_crBk;
    m_crBk = crColor;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    const COLORREF previous = m_crText;
    m_crText = crColor;
    return previous;
}

void CDC::TextOut(int x, int y, const std::string& text) {
    RenderText({x, y}, text);
}

void CDC::MoveTo(int x, int y) {
    m_ptCurrent = {x, y};
}

void CDC::LineTo(int x, int y) {
    RenderLine(m_ptCurrent, {x, y});
    m_ptCurrent = {x, y};
}

CSize CDC::GetTextExtent(const std::string& text) {
    return MeasureText(text);
}

TEXTMETRIC CDC::GetTextMetrics() {
    return MeasureFont();
}
