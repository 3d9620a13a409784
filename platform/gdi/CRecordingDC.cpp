#include "CRecordingDC.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string Text(int n) {
    return std::to_string(n);
}
std::string Text(std::string text) {
    return text;
}

// "Name(a,b,...)"
template <typename... Args> std::string Call(const char* name, const Args&... args) {
    std::string text = std::string(name) + "(";
    [[maybe_unused]] const char* separator = "";
    ((text += separator + Text(args), separator = ","), ...);
    return text + ")";
}

std::string Hex(COLORREF cr) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(cr));
    return text;
}

std::string Handle(HGDIOBJ object) {
    return std::to_string(static_cast<std::uint32_t>(object));
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

int CellHeight(const LOGFONT& font) {
    return font.lfHeight == 0 ? 16 : std::abs(font.lfHeight);
}

} // namespace

void CRecordingDC::SetMapMode(int nMapMode) {
    Note(Call("SetMapMode", nMapMode));
    CDC::SetMapMode(nMapMode);
}

void CRecordingDC::SetWindowExt(int cx, int cy) {
    Note(Call("SetWindowExt", cx, cy));
    CDC::SetWindowExt(cx, cy);
}

void CRecordingDC::SetViewportExt(int cx, int cy) {
    Note(Call("SetViewportExt", cx, cy));
    CDC::SetViewportExt(cx, cy);
}

void CRecordingDC::SetViewportOrg(int x, int y) {
    Note(Call("SetViewportOrg", x, y));
    CDC::SetViewportOrg(x, y);
}

HGDIOBJ CRecordingDC::CreateFontIndirect(const LOGFONT& font) {
    const HGDIOBJ created = m_bFailCreation ? HGDIOBJ{} : CDC::CreateFontIndirect(font);
    Note(Call("CreateFont", font.lfFaceName, font.lfHeight, font.lfWeight) + "=" + Handle(created));
    return created;
}

HGDIOBJ CRecordingDC::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    const HGDIOBJ created =
        m_bFailCreation ? HGDIOBJ{} : CDC::CreatePen(nPenStyle, nWidth, crColor);
    Note(Call("CreatePen", nPenStyle, nWidth, Hex(crColor)) + "=" + Handle(created));
    return created;
}

HGDIOBJ CRecordingDC::SelectObject(HGDIOBJ object) {
    const HGDIOBJ previous = CDC::SelectObject(object);
    Note(Call("SelectObject", Handle(object)) + "=" + Handle(previous));
    return previous;
}

HGDIOBJ CRecordingDC::SelectStockObject(int nIndex) {
    const HGDIOBJ previous = CDC::SelectStockObject(nIndex);
    Note(Call("SelectStockObject", nIndex) + "=" + Handle(previous));
    return previous;
}

bool CRecordingDC::DeleteObject(HGDIOBJ object) {
    const bool deleted = CDC::DeleteObject(object);
    Note(Call("DeleteObject", Handle(object)) + "=" + Text(deleted));
    return deleted;
}

COLORREF CRecordingDC::SetBkColor(COLORREF crColor) {
    Note(Call("SetBkColor", Hex(crColor)));
    return CDC::SetBkColor(crColor);
}

COLORREF CRecordingDC::SetTextColor(COLORREF crColor) {
    Note(Call("SetTextColor", Hex(crColor)));
    return CDC::SetTextColor(crColor);
}

void CRecordingDC::MoveTo(int x, int y) {
    Note(Call("MoveTo", x, y));
    CDC::MoveTo(x, y);
}

CSize CRecordingDC::GetTextExtent(const std::string& text) {
    const CSize size = CDC::GetTextExtent(text);
    Note(Call("GetTextExtent", Quoted(text)) + "=" + Text(size.cx) + "x" + Text(size.cy));
    return size;
}

TEXTMETRIC CRecordingDC::GetTextMetrics() {
    Note(Call("GetTextMetrics"));
    return CDC::GetTextMetrics();
}

void CRecordingDC::RenderText(CPoint topLeft, const std::string& text) {
    Note(Call("TextOut", topLeft.x, topLeft.y, Quoted(text)));
    m_texts.push_back({topLeft, text, Objects().SelectedFont(), TextColor(), BkColor()});
}

void CRecordingDC::RenderLine(CPoint from, CPoint to) {
    Note(Call("LineTo", to.x, to.y));
    m_lines.push_back({from, to, Objects().SelectedPen()});
}

CSize CRecordingDC::MeasureText(const std::string& text) {
    const int cell = CellHeight(Objects().SelectedFont());
    return {static_cast<int>(text.size()) * (cell / 2), cell};
}

TEXTMETRIC CRecordingDC::MeasureFont() {
    const int cell = CellHeight(Objects().SelectedFont());
    return {cell, cell - cell / 5, cell / 5, cell / 12};
}
