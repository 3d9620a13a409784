#include "RangePlot.h"

#include "NumberText.h"
#include "QuendixCodes.h"

#include <QFontMetrics>
#include <QPolygonF>
#include <climits>
#include <cmath>
#include <functional>

namespace {

// The colours. The cues follow the sea's convention: port (left) red-orange, starboard (right)
// green; by direction code.
constexpr QRgb BACKGROUND = 0xffffffff, TEXT = 0xff212529, FRAME = 0xff868e96, GRID = 0xffe9ecef;
constexpr QRgb SILENCE = 0xfffff3bf, NO_REPLY = 0xffe03131, NO_RANGE = 0xff495057;
constexpr std::array<QRgb, 4> CUES = {0xffadb5bd, 0xffe8590c, 0xff2f9e44, 0xff1971c2};
static_assert(DIR_UNDETERMINED == 0 && DIR_LEFT == 1 && DIR_RIGHT == 2 && DIR_AHEAD == 3);
// One a transponder, most replies first.
constexpr std::array<QRgb, 8> LINES = {0xff1c2a48, 0xff7048e8, 0xff0c8599, 0xffd6336c,
                                       0xff5c940d, 0xff9c36b5, 0xffe67700, 0xff364fc7};

// The layout's margins and bands: the value labels and the axis title take the left margin.
constexpr int LEFT = 78, RIGHT = 16, LINE = 16, STRIP = 10, SPACE = 4;
constexpr int FONT_PIXELS = 12, TITLE_PIXELS = 14;
// The least room between two value ticks, and between two time ticks.
constexpr int VALUE_TICK_SPACING = 40, TIME_TICK_SPACING = 110;
constexpr int LINE_WIDTH = 2, SWATCH = 10;
// The marks are triangles that point at the line: "-NO REPLY-" from above, "COMMS ERR" from
// below. The plot leaves room for them above and below.
constexpr int MARKER = 10, MARKER_ROOM = MARKER + LINE_WIDTH;
constexpr std::int64_t MINUTE = 60, HOUR = 3600, DAY = 86400, WEEK = 7 * DAY;

QFont Font(int nPixels, bool bBold = false) {
    QFont font("Arial");
    font.setPixelSize(nPixels);
    font.setBold(bBold);
    return font;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Where the parts of the picture go, from its size alone.
struct Layout {
    QRect title, plot, cueStrip;
    // Two lines: the times, and the date where it changes.
    QRect timeLabels;
    QRect legend;

    explicit Layout(QSize size) {
        const int width = size.width() - LEFT - RIGHT;
        title = QRect(SPACE, SPACE, size.width() - 2 * SPACE, 2 * LINE - SPACE);
        legend = QRect(SPACE, size.height() - LINE - SPACE, size.width() - 2 * SPACE, LINE);
        timeLabels = QRect(LEFT, legend.top() - 2 * LINE - SPACE, width, 2 * LINE);
        cueStrip = QRect(LEFT, timeLabels.top() - STRIP - SPACE, width, STRIP);
        const int plotTop = title.bottom() + SPACE + MARKER_ROOM;
        plot = QRect(LEFT, plotTop, width, cueStrip.top() - SPACE - MARKER_ROOM - plotTop);
    }
};

// Round values from a tick at or below the lowest range to one at or above the highest, in
// steps of 1, 2 or 5 times a power of ten, at most nMaxIntervals of them.
struct ValueTicks {
    double dFirst = 0.0, dStep = 1.0;
    int nIntervals = 1;
    // Decimals that tell the ticks apart.
    int nDecimals = 0;

    ValueTicks(double dLow, double dHigh, int nMaxIntervals) {
        if (!std::isfinite(dLow) || !std::isfinite(dHigh) || !std::isfinite(dHigh - dLow))
            return;
        // A single value gets room around it.
        if (dHigh - dLow <= std::fabs(dLow) * 1e-9) {
            const double pad = std::max(1.0, std::fabs(dLow) * 1e-6);
            dLow -= pad;
            dHigh += pad;
        }
        const double raw = (dHigh - dLow) / std::max(1, nMaxIntervals);
        const double power = std::pow(10.0, std::floor(std::log10(raw)));
        dStep = 10 * power;
        for (const double multiple : {5.0, 2.0, 1.0})
            if (multiple * power >= raw)
                dStep = multiple * power;
        dFirst = std::floor(dLow / dStep) * dStep;
        const double intervals = std::ceil((dHigh - dFirst) / dStep - 1e-9);
        nIntervals = static_cast<int>(std::clamp(intervals, 1.0, nMaxIntervals + 2.0));
        nDecimals = std::max(0, static_cast<int>(-std::floor(std::log10(dStep) + 1e-9)));
    }
    double Last() const { return dFirst + dStep * nIntervals; }
};

// The smallest round step (whole seconds, minutes, hours or days) that puts at most nMaxTicks
// ticks on nSpan seconds.
std::int64_t RoundTimeStep(std::int64_t nSpan, int nMaxTicks) {
    constexpr std::int64_t STEPS[] = {1,           2,           5,          10,         15,
                                      30,          MINUTE,      2 * MINUTE, 5 * MINUTE, 10 * MINUTE,
                                      15 * MINUTE, 30 * MINUTE, HOUR,       2 * HOUR,   3 * HOUR,
                                      6 * HOUR,    12 * HOUR,   DAY,        2 * DAY,    WEEK};
    const std::int64_t ticks = std::max(1, nMaxTicks);
    for (const std::int64_t step : STEPS)
        if (nSpan / step < ticks)
            return step;
    return WEEK * (nSpan / (WEEK * ticks) + 1);
}

// The first multiple of nStep at or after nFrom.
std::int64_t FirstTick(std::int64_t nFrom, std::int64_t nStep) {
    const std::int64_t rest = (nFrom % nStep + nStep) % nStep;
    return rest == 0 ? nFrom : nFrom - rest + nStep;
}

// One drawing of the picture on a painter.
class CPainting {
public:
    CPainting(QPainter& painter, QSize size, const CPlotData& data, const PlotUnits& units)
        : m_painter(painter), m_layout(size), m_data(data), m_units(units), m_ticks(0.0, 0.0, 1) {
        if (const auto span = data.RangeSpan())
            m_ticks = ValueTicks(units.FromMilliseconds(span->first),
                                 units.FromMilliseconds(span->second),
                                 std::max(1, m_layout.plot.height() / VALUE_TICK_SPACING));
    }

    // In the order they cover each other.
    void Draw(QSize size, const std::string& title) {
        m_painter.fillRect(QRect(QPoint(0, 0), size), QColor(BACKGROUND));
        const std::vector<bool> silent = m_data.SilentColumns();
        DrawColumnRuns(m_layout.plot, [&](int column) -> std::optional<QRgb> {
            return silent[static_cast<std::size_t>(column)] ? std::optional(SILENCE) : std::nullopt;
        });
        DrawTitle(title);
        DrawValueAxis();
        DrawTimeAxis();
        DrawRanges();
        const std::vector<std::optional<int>> cues = m_data.CueStrip();
        DrawColumnRuns(m_layout.cueStrip, [&](int column) -> std::optional<QRgb> {
            const std::optional<int> cue = cues[static_cast<std::size_t>(column)];
            return cue ? std::optional(CUES[static_cast<std::size_t>(*cue)]) : std::nullopt;
        });
        m_painter.setPen(QColor(FRAME));
        m_painter.drawRect(m_layout.plot.adjusted(-1, -1, 0, 0));
        m_painter.drawRect(m_layout.cueStrip.adjusted(-1, -1, 0, 0));
        DrawLegend();
    }

private:
    // Where a range in the picture's units is drawn.
    double Y(double dRange) const {
        const QRect& plot = m_layout.plot;
        const double share = (dRange - m_ticks.dFirst) / (m_ticks.Last() - m_ticks.dFirst);
        return plot.bottom() - std::round(std::clamp(share, 0.0, 1.0) * (plot.height() - 1));
    }

    void DrawTitle(const std::string& title) {
        m_painter.setFont(Font(TITLE_PIXELS, true));
        m_painter.setPen(QColor(TEXT));
        const QString elided = QFontMetrics(m_painter.font())
                                   .elidedText(Text(title), Qt::ElideRight, m_layout.title.width());
        m_painter.drawText(m_layout.title, Qt::AlignLeft | Qt::AlignVCenter, elided);
    }

    void DrawValueAxis() {
        const QRect& plot = m_layout.plot;
        m_painter.setFont(Font(FONT_PIXELS));
        for (int i = 0; i <= m_ticks.nIntervals; ++i) {
            double value = m_ticks.dFirst + i * m_ticks.dStep;
            if (std::fabs(value) < m_ticks.dStep * 1e-6)
                value = 0.0; // not "-0.0"
            const int y = static_cast<int>(Y(value));
            m_painter.setPen(QColor(GRID));
            m_painter.drawLine(plot.left(), y, plot.right(), y);
            m_painter.setPen(QColor(TEXT));
            m_painter.drawText(QRect(0, y - FONT_PIXELS, plot.left() - 6, 2 * FONT_PIXELS),
                               Qt::AlignRight | Qt::AlignVCenter,
                               Text(FormatFixed(value, m_ticks.nDecimals)));
        }
        m_painter.save();
        m_painter.translate(FONT_PIXELS, plot.center().y());
        m_painter.rotate(-90);
        m_painter.drawText(QRect(-plot.height() / 2, -FONT_PIXELS, plot.height(), 2 * FONT_PIXELS),
                           Qt::AlignCenter, Text(m_units.AxisTitle()));
        m_painter.restore();
    }

    // Round times of the log's clock; under each the date where it changes.
    void DrawTimeAxis() {
        const QRect& plot = m_layout.plot;
        const QRect& labels = m_layout.timeLabels;
        const std::int64_t step = RoundTimeStep(m_data.Last() - m_data.First(),
                                                std::max(2, plot.width() / TIME_TICK_SPACING));
        const QFontMetrics metrics(Font(FONT_PIXELS));
        std::string previousDate;
        int previousRight = INT_MIN;
        for (std::int64_t tick = FirstTick(m_data.First(), step); tick <= m_data.Last();
             tick += step) {
            const int x = plot.left() + static_cast<int>(std::lround(m_data.Position(tick)));
            m_painter.setPen(QColor(GRID));
            m_painter.drawLine(x, plot.top(), x, plot.bottom());
            const auto [date, clock] = FormatLogTime(tick);
            const QString label = Text(step >= DAY     ? date
                                       : step < MINUTE ? clock
                                                       : clock.substr(0, clock.rfind(':')));
            const int width =
                std::max(metrics.horizontalAdvance(label), metrics.horizontalAdvance(Text(date)));
            const QRect first(x - width / 2, labels.top(), width, labels.height() / 2);
            if (first.left() < previousRight + SWATCH)
                continue;
            previousRight = first.right();
            m_painter.setPen(QColor(TEXT));
            m_painter.drawText(first, Qt::AlignCenter, label);
            if (step < DAY && date != previousDate)
                m_painter.drawText(first.translated(0, first.height()), Qt::AlignCenter,
                                   Text(date));
            previousDate = date;
        }
    }

    // Fills the runs of columns that have the same colour, across the band.
    void DrawColumnRuns(const QRect& band,
                        const std::function<std::optional<QRgb>(int)>& colourOf) {
        const int columns = m_data.Columns();
        int start = 0;
        std::optional<QRgb> current = colourOf(0);
        for (int column = 1; column <= columns; ++column) {
            const std::optional<QRgb> colour =
                column < columns ? colourOf(column) : std::optional<QRgb>();
            if (column < columns && colour == current)
                continue;
            if (current)
                m_painter.fillRect(
                    QRect(band.left() + start, band.top(), column - start, band.height()),
                    QColor(*current));
            start = column;
            current = colour;
        }
    }

    // A triangle that points down at a spot from above, or up at it from below.
    void DrawMarker(QPointF spot, QRgb colour, bool bAbove) {
        const double side = bAbove ? -1.0 : 1.0;
        const QPointF tip = spot + QPointF(0, side * LINE_WIDTH);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(colour));
        m_painter.drawPolygon(QPolygonF{tip, tip + QPointF(-MARKER / 2, side * MARKER),
                                        tip + QPointF(MARKER / 2, side * MARKER)});
        m_painter.setBrush(Qt::NoBrush);
    }

    // A lone range would make a polyline of no length, which the painter leaves out; it gets a
    // dot that shows.
    void DrawRun(const QPolygonF& run) {
        if (run.isEmpty())
            return;
        if (run.boundingRect().isNull())
            m_painter.fillRect(QRectF(run.front() - QPointF(LINE_WIDTH, LINE_WIDTH),
                                      QSizeF(2 * LINE_WIDTH, 2 * LINE_WIDTH)),
                               m_painter.pen().color());
        else
            m_painter.drawPolyline(run);
    }

    // Each column runs from its first range through its lowest and highest to its last. The
    // marks of a column go where the line passes it: between the ranges either side where the
    // line joins them, else at the nearer; without any range half-way up.
    void DrawRanges() {
        std::vector<std::pair<QPointF, std::uint8_t>> marks;
        m_painter.save();
        m_painter.setClipRect(m_layout.plot);
        for (std::size_t line = 0; line < m_data.Drawn().size(); ++line) {
            m_painter.setPen(QPen(QColor(LINES[line % LINES.size()]), LINE_WIDTH, Qt::SolidLine,
                                  Qt::SquareCap, Qt::MiterJoin));
            const std::vector<RangeColumn>& columns = m_data.Ranges(line);
            QPolygonF run;
            const RangeColumn* previous = nullptr;
            std::vector<std::size_t> marked;
            for (std::size_t column = 0; column <= columns.size(); ++column) {
                const RangeColumn* range = column < columns.size() ? &columns[column] : nullptr;
                if (range && range->nMarks)
                    marked.push_back(column);
                if (range && !range->bUsed)
                    continue;
                const double x = m_layout.plot.left() + static_cast<double>(column);
                const bool bJoined = previous && range &&
                                     m_data.Joined(previous->nLastSeconds, range->nFirstSeconds);
                for (const std::size_t at : marked) {
                    const double atX = m_layout.plot.left() + static_cast<double>(at);
                    double y = range ? Y(m_units.FromMilliseconds(range->dFirstMs))
                                     : m_layout.plot.center().y();
                    if (bJoined && x > run.back().x())
                        y = run.back().y() +
                            (atX - run.back().x()) / (x - run.back().x()) * (y - run.back().y());
                    else if (!run.empty() && (!range || atX - run.back().x() <= x - atX))
                        y = run.back().y();
                    marks.emplace_back(QPointF(atX, y), columns[at].nMarks);
                }
                marked.clear();
                if (!range)
                    break;
                if (previous && !bJoined) {
                    DrawRun(run);
                    run.clear();
                }
                for (const double ms :
                     {range->dFirstMs, range->dLowMs, range->dHighMs, range->dLastMs})
                    run << QPointF(x, Y(m_units.FromMilliseconds(ms)));
                previous = range;
            }
            DrawRun(run);
        }
        m_painter.restore();
        for (const auto& [spot, bits] : marks) {
            if (bits & RangeColumn::NO_REPLY)
                DrawMarker(spot, NO_REPLY, true);
            if (bits & RangeColumn::NO_RANGE)
                DrawMarker(spot, NO_RANGE, false);
        }
    }

    // A swatch a colour; the marks as they stand beside the line.
    void DrawLegend() {
        std::vector<std::pair<QRgb, QString>> entries;
        const std::vector<int>& transponders = m_data.Drawn();
        for (std::size_t line = 0; transponders.size() > 1 && line < transponders.size(); ++line)
            entries.emplace_back(LINES[line % LINES.size()],
                                 Text("Tpdr " + std::to_string(transponders[line])));
        entries.insert(entries.end(),
                       {{CUES[DIR_AHEAD], "^^^^ ahead"},
                        {CUES[DIR_LEFT], "<<-- left"},
                        {CUES[DIR_RIGHT], "-->> right"},
                        {CUES[DIR_UNDETERMINED], "?? unknown"},
                        {NO_REPLY, "-NO REPLY-"},
                        {NO_RANGE, "no range (COMMS ERR)"},
                        {SILENCE, Text("no reply for over two periods; period " +
                                       std::to_string(m_data.PeriodSeconds()) + " s")}});
        m_painter.setFont(Font(FONT_PIXELS));
        const QFontMetrics metrics(m_painter.font());
        const QRect& legend = m_layout.legend;
        int x = legend.left();
        for (const auto& [colour, text] : entries) {
            const int width = SWATCH + 4 + metrics.horizontalAdvance(text);
            if (x + width > legend.right())
                break;
            const QRect swatch(x, legend.center().y() - SWATCH / 2, SWATCH, SWATCH);
            if (colour == NO_REPLY || colour == NO_RANGE) {
                const int y = swatch.center().y() + (colour == NO_REPLY ? 6 : -6);
                m_painter.setPen(QPen(QColor(LINES[0]), LINE_WIDTH));
                m_painter.drawLine(swatch.left(), y, swatch.right(), y);
                DrawMarker(QPointF(swatch.center().x(), y), colour, colour == NO_REPLY);
            } else {
                m_painter.fillRect(swatch, QColor(colour));
                m_painter.setPen(QColor(FRAME));
                m_painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            }
            m_painter.setPen(QColor(TEXT));
            m_painter.drawText(QRect(x + SWATCH + 4, legend.top(), width, legend.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, text);
            x += width + 2 * SWATCH;
        }
    }

    QPainter& m_painter;
    const Layout m_layout;
    const CPlotData& m_data;
    const PlotUnits& m_units;
    ValueTicks m_ticks;
};

} // namespace

int PlotColumns(QSize size) {
    return Layout(size).plot.width();
}

void DrawRangePlot(QPainter& painter, QSize size, const CPlotData& data, const PlotUnits& units,
                   const std::string& title) {
    CPainting(painter, size, data, units).Draw(size, title);
}
