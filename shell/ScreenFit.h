#pragma once
// Keeps a restored window where the operator can reach it, as Windows does when it restores a
// placement: a rectangle that lies off every screen is moved onto the nearest one.

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
