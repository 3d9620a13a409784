#include "CDC.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The default font and pen and the stock white pen have handles below every created object's.
constexpr HGDIOBJ DEFAULT_FONT{1};
constexpr HGDIOBJ DEFAULT_PEN{2};
constexpr HGDIOBJ STOCK_WHITE_PEN{WHITE_PEN};
constexpr std::uint32_t FIRST_CREATED_HANDLE = 0x100;

} // namespace

CDC::CDC()
    : m_objects{{DEFAULT_FONT, LOGFONT{}},
                {DEFAULT_PEN, LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)}},
                {STOCK_WHITE_PEN, LOGPEN{PS_SOLID, 0, RGB(255, 255, 255)}}},
      m_nNextHandle(FIRST_CREATED_HANDLE), m_hFont(DEFAULT_FONT), m_hPen(DEFAULT_PEN) {}

void CDC::SetMapMode(int nMapMode) {
    m_bIsotropic = nMapMode == MM_ISOTROPIC;
}

void CDC::SetWindowExt(int cx, int cy) {
    if (cx != 0 && cy != 0)
        m_sizeWindowExt = {cx, cy};
}

void CDC::SetViewportExt(int cx, int cy) {
    if (cx != 0 && cy != 0)
        m_sizeViewportExt = {cx, cy};
}

void CDC::SetViewportOrg(int x, int y) {
    m_ptViewportOrg = {x, y};
}

// Isotropic: both axes take the smaller of the two magnitudes, each keeping its own sign.
double CDC::Scale(int nViewportExt, int nWindowExt) const {
    if (!m_bIsotropic)
        return 1.0;
    const double magnitude =
        std::min(std::abs(static_cast<double>(m_sizeViewportExt.cx) / m_sizeWindowExt.cx),
                 std::abs(static_cast<double>(m_sizeViewportExt.cy) / m_sizeWindowExt.cy));
    return std::copysign(magnitude, static_cast<double>(nViewportExt) / nWindowExt);
}

double CDC::ScaleX() const {
    return Scale(m_sizeViewportExt.cx, m_sizeWindowExt.cx);
}

double CDC::ScaleY() const {
    return Scale(m_sizeViewportExt.cy, m_sizeWindowExt.cy);
}

CPoint CDC::LPtoDP(CPoint point) const {
    return {m_ptViewportOrg.x + static_cast<int>(std::lround(point.x * ScaleX())),
            m_ptViewportOrg.y + static_cast<int>(std::lround(point.y * ScaleY()))};
}

CPoint CDC::DPtoLP(CPoint point) const {
    return {static_cast<int>(std::lround((point.x - m_ptViewportOrg.x) / ScaleX())),
            static_cast<int>(std::lround((point.y - m_ptViewportOrg.y) / ScaleY()))};
}

HGDIOBJ CDC::CreateFontIndirect(const LOGFONT& font) {
    const HGDIOBJ handle{m_nNextHandle++};
    m_objects.emplace(handle, font);
    return handle;
}

HGDIOBJ CDC::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (nPenStyle != PS_SOLID)
        return {};
    const HGDIOBJ handle{m_nNextHandle++};
    m_objects.emplace(handle, LOGPEN{nPenStyle, nWidth, crColor});
    return handle;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    const auto found = m_objects.find(object);
    if (found == m_objects.end())
        return {};
    HGDIOBJ& selected = std::holds_alternative<LOGFONT>(found->second) ? m_hFont : m_hPen;
    return std::exchange(selected, object);
}

HGDIOBJ CDC::SelectStockObject(int nIndex) {
    return nIndex == WHITE_PEN ? SelectObject(STOCK_WHITE_PEN) : HGDIOBJ{};
}

bool CDC::DeleteObject(HGDIOBJ object) {
    if (static_cast<std::uint32_t>(object) < FIRST_CREATED_HANDLE || object == m_hFont ||
        object == m_hPen)
        return false;
    return m_objects.erase(object) == 1;
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return std::exchange(m_crBk, crColor);
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return std::exchange(m_crText, crColor);
}

void CDC::MoveTo(int x, int y) {
    m_ptCurrent = {x, y};
}

void CDC::LineTo(int x, int y) {
    RenderLine(m_ptCurrent, {x, y});
    m_ptCurrent = {x, y};
}
