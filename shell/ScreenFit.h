#pragma once
// Keeps a window where the operator can reach it. A restored placement that lies off every screen
// is moved onto the nearest one, as Windows does; one larger than the screen it lands on is shrunk
// onto it, so that its title bar and close box stay on the screen.

#include "WindowPlacementText.h"

#include <QList>
#include <QRect>

// The smallest window the operator can still find and grab.
inline constexpr int MIN_WINDOW_WIDTH = 160;
inline constexpr int MIN_WINDOW_HEIGHT = 120;

// The stored normal rectangle (right and bottom exclusive), with coordinates bounded so that no
// hand-edited value can overflow the window system's arithmetic.
QRect RectFromPlacement(const WindowPlacement& placement);

// window: the stored normal rectangle; screens: the available area of each screen.
QRect FitOntoScreens(QRect window, const QList<QRect>& screens);

// A window's frame shrunk to the area where it is larger, then moved inside it.
QRect FitInside(QRect frame, const QRect& area);
