#include "CViewportMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

int Sign(int n) {
    return n < 0 ? -1 : 1;
}

// Win32 MulDiv: a * b / c on 64 bits, rounded half away from zero.
int MulDiv(int a, int b, int c) {
    return static_cast<int>(
        std::llround(static_cast<double>(static_cast<std::int64_t>(a) * b) / c));
}

} // namespace

void CViewportMapping::SetMapMode(int nMapMode) {
    if (nMapMode == MM_TEXT || nMapMode == MM_ISOTROPIC)
        m_nMapMode = nMapMode;
}

void CViewportMapping::SetWindowExt(int cx, int cy) {
    if (cx != 0 && cy != 0)
        m_sizeWindowExt = {cx, cy};
}

void CViewportMapping::SetViewportExt(int cx, int cy) {
    if (cx != 0 && cy != 0)
        m_sizeViewportExt = {cx, cy};
}

// GDI shrinks the larger viewport extent (in units per logical unit) to the smaller one,
// keeping its sign; never to nothing, so a unit always has a length.
CSize CViewportMapping::EffectiveViewportExt() const {
    const CSize& win = m_sizeWindowExt;
    CSize vp = m_sizeViewportExt;
    const auto unitsX = std::abs(static_cast<std::int64_t>(vp.cx)) * std::abs(win.cy);
    const auto unitsY = std::abs(static_cast<std::int64_t>(vp.cy)) * std::abs(win.cx);
    if (unitsX > unitsY)
        vp.cx =
            Sign(vp.cx) * std::max(1, MulDiv(std::abs(win.cx), std::abs(vp.cy), std::abs(win.cy)));
    else if (unitsY > unitsX)
        vp.cy =
            Sign(vp.cy) * std::max(1, MulDiv(std::abs(win.cy), std::abs(vp.cx), std::abs(win.cx)));
    return vp;
}

double CViewportMapping::ScaleX() const {
    if (m_nMapMode == MM_TEXT)
        return 1.0;
    return static_cast<double>(EffectiveViewportExt().cx) / m_sizeWindowExt.cx;
}

double CViewportMapping::ScaleY() const {
    if (m_nMapMode == MM_TEXT)
        return 1.0;
    return static_cast<double>(EffectiveViewportExt().cy) / m_sizeWindowExt.cy;
}

CPoint CViewportMapping::LPtoDP(CPoint point) const {
    return {m_ptViewportOrg.x + static_cast<int>(std::lround(point.x * ScaleX())),
            m_ptViewportOrg.y + static_cast<int>(std::lround(point.y * ScaleY()))};
}
