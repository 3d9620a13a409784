#pragma once
// The picture of a log: the title line; the range against time, one line a transponder, broken
// where ranges are more than two periods apart, with the silences shaded and marks beside the
// line where the unit said "-NO REPLY-" (from above) or a reply held no range (from below); the
// steering-cue strip under it; the time axis, with the date where it changes; and a legend.

#include "CPlotData.h"

#include <QPainter>

// The pixel columns of the plot in a picture of that size: what the log is reduced to.
int PlotColumns(QSize size);

void DrawRangePlot(QPainter& painter, QSize size, const CPlotData& data, const PlotUnits& units,
                   const std::string& title);
