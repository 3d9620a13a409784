#include "PlotLayout.h"

namespace {

constexpr int LEFT = 78; // the value labels and the axis title
constexpr int RIGHT = 16;
constexpr int LINE = 16;
constexpr int MARK = 6;
constexpr int STRIP = 10;
constexpr int SPACE = 4;

} // namespace

PlotLayout PlotLayout::For(QSize size) {
    PlotLayout layout;
    layout.size = size;
    const int width = size.width() - LEFT - RIGHT;
    layout.title = QRect(SPACE, SPACE, size.width() - 2 * SPACE, 2 * LINE - SPACE);
    layout.noReplyMarks = QRect(LEFT, layout.title.bottom() + SPACE, width, MARK);
    layout.noRangeMarks = QRect(LEFT, layout.noReplyMarks.bottom() + 2, width, MARK);
    layout.legend = QRect(SPACE, size.height() - LINE - SPACE, size.width() - 2 * SPACE, LINE);
    layout.timeLabels = QRect(LEFT, layout.legend.top() - 2 * LINE - SPACE, width, 2 * LINE);
    layout.cueStrip = QRect(LEFT, layout.timeLabels.top() - STRIP - SPACE, width, STRIP);
    const int plotTop = layout.noRangeMarks.bottom() + SPACE;
    layout.plot = QRect(LEFT, plotTop, width, layout.cueStrip.top() - SPACE - plotTop);
    return layout;
}
