#pragma once
// Dialog units: a quarter of the dialog font's average character width across, an eighth of
// its height down, so a dialog keeps its proportions whatever its font.

#include <QFont>
#include <QRect>

struct DialogBaseUnits {
    int cx; // average character width, pixels
    int cy; // character height, pixels
};

// Measured as dialog managers do: the width of the 52 Latin letters, averaged and rounded.
DialogBaseUnits MeasureBaseUnits(const QFont& font);

// x and width scale by cx/4, y and height by cy/8, each rounded to the nearest pixel.
QRect DialogUnitsToPixels(const QRect& units, DialogBaseUnits base);
