#pragma once
// The picture of a log: the title line; marks where the unit said "-NO REPLY-" and where a
// reply held no range; the range against time, one line a transponder, broken where ranges are
// more than two periods apart, with the silences shaded; the steering-cue strip under it; the
// time axis, with the date where it changes; and a legend.

#include "AxisTicks.h"
#include "CLogSummary.h"
#include "CPlotColumns.h"
#include "CTimeScale.h"
#include "PlotLayout.h"
#include "RangeUnits.h"

#include <QPainter>
#include <QRgb>
#include <functional>
#include <optional>
#include <string>

class CRangePlot {
public:
    CRangePlot(const PlotLayout& layout, CLogSummary summary, CPlotColumns columns,
               const RangeUnits& units, std::string title);

    void Draw(QPainter& painter) const;

    const PlotLayout& Layout() const { return m_layout; }
    const std::string& Title() const { return m_title; }
    // Where a time and a range in the picture's units are drawn.
    int X(std::int64_t nSeconds) const;
    double Y(double dRange) const;

private:
    void DrawSilences(QPainter& painter) const;
    void DrawTitle(QPainter& painter) const;
    void DrawValueAxis(QPainter& painter) const;
    void DrawTimeAxis(QPainter& painter) const;
    void DrawColumnRuns(QPainter& painter, const QRect& band,
                        const std::function<std::optional<QRgb>(int)>& colourOf,
                        int nWiden = 0) const;
    void DrawRanges(QPainter& painter) const;
    void DrawMarks(QPainter& painter) const;
    void DrawCueStrip(QPainter& painter) const;
    void DrawLegend(QPainter& painter) const;

    PlotLayout m_layout;
    CLogSummary m_summary;
    CPlotColumns m_columns;
    RangeUnits m_units;
    std::string m_title;
    ValueTicks m_ticks;
};
