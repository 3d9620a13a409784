#pragma once
// How a device context turns logical coordinates into device pixels, with GDI's rules for the
// two mapping modes our views use: MM_TEXT (one unit, one pixel) and MM_ISOTROPIC (units as
// long in x as in y; the window fits the smaller viewport extent, a negative extent flips).

#include "GdiTypes.h"

class CViewportMapping {
public:
    // Modes other than MM_TEXT and MM_ISOTROPIC are refused: the mode stays.
    void SetMapMode(int nMapMode);
    int GetMapMode() const { return m_nMapMode; }
    // A zero extent is refused, as GDI refuses it: the extent stays.
    void SetWindowExt(int cx, int cy);
    void SetViewportExt(int cx, int cy);
    void SetViewportOrg(int x, int y) { m_ptViewportOrg = {x, y}; }

    // device = viewport origin + logical x scale
    double ScaleX() const;
    double ScaleY() const;
    CPoint GetViewportOrg() const { return m_ptViewportOrg; }
    CPoint LPtoDP(CPoint point) const;

private:
    CSize EffectiveViewportExt() const;

    int m_nMapMode = MM_TEXT;
    CSize m_sizeWindowExt{1, 1};
    CSize m_sizeViewportExt{1, 1};
    CPoint m_ptViewportOrg{};
};
