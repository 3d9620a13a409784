#pragma once
// Where the parts of the picture go, from its size alone: the plot's width is the count of
// pixel columns the log is reduced to.

#include <QRect>
#include <QSize>

struct PlotLayout {
    QSize size;
    QRect title;
    // Two rows of marks over the plot: "-NO REPLY-" above, no range below.
    QRect noReplyMarks;
    QRect noRangeMarks;
    QRect plot;
    QRect cueStrip;
    // Two lines: the times, and the date where it changes.
    QRect timeLabels;
    QRect legend;

    static PlotLayout For(QSize size);
};
