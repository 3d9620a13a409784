#pragma once
// Win32 colours on Qt.

#include "GdiTypes.h"

#include <QColor>

QColor ToQColor(COLORREF cr);
COLORREF ToColorRef(const QColor& color);

// The desktop's colours as Win32 names them. COLOR_WINDOW, the background of a window's client
// area, is the application palette's Base colour; an index we do not know gives 0, as Win32 does
// for an index it does not support.
COLORREF GetSysColor(int nIndex);
