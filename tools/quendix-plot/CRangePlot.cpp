#include "CRangePlot.h"

#include "LogTimeText.h"
#include "NumberText.h"
#include "PlotColours.h"

#include <QFontMetrics>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int FONT_PIXELS = 12;
constexpr int TITLE_PIXELS = 14;
// The least room between two value ticks, and between two time ticks.
constexpr int VALUE_TICK_SPACING = 40;
constexpr int TIME_TICK_SPACING = 110;
constexpr int LINE_WIDTH = 2;
constexpr int SWATCH = 10;
// A mark of a single column would hardly show.
constexpr int MARK_WIDENING = 1;
constexpr std::int64_t MINUTE = 60;
constexpr std::int64_t DAY = 86400;

QFont Font(int nPixels, bool bBold = false) {
    QFont font("Arial");
    font.setPixelSize(nPixels);
    font.setBold(bBold);
    return font;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The first multiple of nStep at or after nFrom.
std::int64_t FirstTick(std::int64_t nFrom, std::int64_t nStep) {
    const std::int64_t rest = (nFrom % nStep + nStep) % nStep;
    return rest == 0 ? nFrom : nFrom - rest + nStep;
}

// A lone range would make a polyline of no length, which the painter leaves out; it gets a dot
// that shows.
void DrawRun(QPainter& painter, const QPolygonF& run) {
    if (run.isEmpty())
        return;
    if (run.boundingRect().isNull())
        painter.fillRect(QRectF(run.front() - QPointF(LINE_WIDTH, LINE_WIDTH),
                                QSizeF(2 * LINE_WIDTH, 2 * LINE_WIDTH)),
                         painter.pen().color());
    else
        painter.drawPolyline(run);
}

struct LegendEntry {
    QRgb colour;
    QString text;
};

} // namespace

CRangePlot::CRangePlot(const PlotLayout& layout, CLogSummary summary, CPlotColumns columns,
                       const RangeUnits& units, std::string title)
    : m_layout(layout), m_summary(std::move(summary)), m_columns(std::move(columns)),
      m_units(units), m_title(std::move(title)), m_ticks(RoundValueTicks(0.0, 0.0, 1)) {
    if (const auto span = m_summary.RangeSpan())
        m_ticks = RoundValueTicks(m_units.FromMilliseconds(span->first),
                                  m_units.FromMilliseconds(span->second),
                                  std::max(1, m_layout.plot.height() / VALUE_TICK_SPACING));
}

int CRangePlot::X(std::int64_t nSeconds) const {
    return m_layout.plot.left() + m_columns.Scale().Column(nSeconds);
}

double CRangePlot::Y(double dRange) const {
    const QRect& plot = m_layout.plot;
    const double share = (dRange - m_ticks.dFirst) / (m_ticks.Last() - m_ticks.dFirst);
    return plot.bottom() - std::round(std::clamp(share, 0.0, 1.0) * (plot.height() - 1));
}

void CRangePlot::Draw(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), m_layout.size), QColor(PlotColours::BACKGROUND));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DrawSilences(painter);
    DrawTitle(painter);
    DrawValueAxis(painter);
    DrawTimeAxis(painter);
    DrawRanges(painter);
    DrawMarks(painter);
    DrawCueStrip(painter);
    painter.setPen(QColor(PlotColours::FRAME));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_layout.plot.adjusted(-1, -1, 0, 0));
    painter.drawRect(m_layout.cueStrip.adjusted(-1, -1, 0, 0));
    DrawLegend(painter);
}

void CRangePlot::DrawSilences(QPainter& painter) const {
    const std::vector<bool> silent = m_columns.SilentColumns();
    DrawColumnRuns(painter, m_layout.plot, [&](int column) -> std::optional<QRgb> {
        return silent[static_cast<std::size_t>(column)] ? std::optional(PlotColours::SILENCE)
                                                        : std::nullopt;
    });
}

void CRangePlot::DrawCueStrip(QPainter& painter) const {
    const std::vector<std::optional<int>> cues = m_columns.CueStrip();
    DrawColumnRuns(painter, m_layout.cueStrip, [&](int column) -> std::optional<QRgb> {
        const std::optional<int> cue = cues[static_cast<std::size_t>(column)];
        return cue ? std::optional(PlotColours::CUES[static_cast<std::size_t>(*cue)])
                   : std::nullopt;
    });
}

void CRangePlot::DrawTitle(QPainter& painter) const {
    painter.setFont(Font(TITLE_PIXELS, true));
    painter.setPen(QColor(PlotColours::TEXT));
    const QString title = QFontMetrics(painter.font())
                              .elidedText(Text(m_title), Qt::ElideRight, m_layout.title.width());
    painter.drawText(m_layout.title, Qt::AlignLeft | Qt::AlignVCenter, title);
}

void CRangePlot::DrawValueAxis(QPainter& painter) const {
    const QRect& plot = m_layout.plot;
    painter.setFont(Font(FONT_PIXELS));
    for (int i = 0; i <= m_ticks.nIntervals; ++i) {
        double value = m_ticks.dFirst + i * m_ticks.dStep;
        if (std::fabs(value) < m_ticks.dStep * 1e-6)
            value = 0.0; // not "-0.0"
        const int y = static_cast<int>(Y(value));
        painter.setPen(QColor(PlotColours::GRID));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(QColor(PlotColours::TEXT));
        painter.drawText(QRect(0, y - FONT_PIXELS, plot.left() - 6, 2 * FONT_PIXELS),
                         Qt::AlignRight | Qt::AlignVCenter,
                         Text(FormatFixed(value, m_ticks.nDecimals)));
    }
    painter.save();
    painter.translate(FONT_PIXELS, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -FONT_PIXELS, plot.height(), 2 * FONT_PIXELS),
                     Qt::AlignCenter, Text(m_units.AxisTitle()));
    painter.restore();
}

void CRangePlot::DrawMarks(QPainter& painter) const {
    struct MarkRow {
        QRect band;
        bool (CPlotColumns::*has)(int) const;
        QRgb colour;
    };
    const MarkRow rows[] = {
        {m_layout.noReplyMarks, &CPlotColumns::HasNoReply, PlotColours::NO_REPLY},
        {m_layout.noRangeMarks, &CPlotColumns::HasNoRange, PlotColours::NO_RANGE},
    };
    for (const MarkRow& row : rows) {
        const auto colourOf = [&](int column) -> std::optional<QRgb> {
            return (m_columns.*row.has)(column) ? std::optional(row.colour) : std::nullopt;
        };
        DrawColumnRuns(painter, row.band, colourOf, MARK_WIDENING);
    }
}

// Round times of the log's clock; under each the date where it changes.
void CRangePlot::DrawTimeAxis(QPainter& painter) const {
    const QRect& plot = m_layout.plot;
    const QRect& labels = m_layout.timeLabels;
    const CTimeScale& scale = m_columns.Scale();
    const std::int64_t step =
        RoundTimeStep(scale.Last() - scale.First(), std::max(2, plot.width() / TIME_TICK_SPACING));
    const QFontMetrics metrics(Font(FONT_PIXELS));
    std::string previousDate;
    int previousRight = INT_MIN;
    for (std::int64_t tick = FirstTick(scale.First(), step); tick <= scale.Last(); tick += step) {
        const int x = plot.left() + static_cast<int>(std::lround(scale.Position(tick)));
        painter.setPen(QColor(PlotColours::GRID));
        painter.drawLine(x, plot.top(), x, plot.bottom());
        const std::string date = DateText(tick);
        const QString label = Text(step >= DAY ? date : ClockText(tick, step < MINUTE));
        const int width =
            std::max(metrics.horizontalAdvance(label), metrics.horizontalAdvance(Text(date)));
        const QRect first(x - width / 2, labels.top(), width, labels.height() / 2);
        if (first.left() < previousRight + SWATCH)
            continue;
        previousRight = first.right();
        painter.setPen(QColor(PlotColours::TEXT));
        painter.drawText(first, Qt::AlignCenter, label);
        if (step < DAY && date != previousDate)
            painter.drawText(first.translated(0, first.height()), Qt::AlignCenter, Text(date));
        previousDate = date;
    }
}

// Fills the runs of columns that have the same colour, across the band, each widened by nWiden
// pixels on either side.
void CRangePlot::DrawColumnRuns(QPainter& painter, const QRect& band,
                                const std::function<std::optional<QRgb>(int)>& colourOf,
                                int nWiden) const {
    const int columns = m_columns.Scale().Columns();
    int start = 0;
    std::optional<QRgb> current = colourOf(0);
    for (int column = 1; column <= columns; ++column) {
        const std::optional<QRgb> colour =
            column < columns ? colourOf(column) : std::optional<QRgb>();
        if (column < columns && colour == current)
            continue;
        if (current)
            painter.fillRect(QRect(band.left() + start - nWiden, band.top(),
                                   column - start + 2 * nWiden, band.height()),
                             QColor(*current));
        start = column;
        current = colour;
    }
}

// Each column runs from its first range through its lowest and highest to its last.
void CRangePlot::DrawRanges(QPainter& painter) const {
    painter.save();
    painter.setClipRect(m_layout.plot);
    for (std::size_t line = 0; line < m_columns.Transponders().size(); ++line) {
        painter.setPen(QPen(QColor(PlotColours::LINES[line % PlotColours::LINES.size()]),
                            LINE_WIDTH, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const std::vector<RangeColumn>& columns = m_columns.Ranges(line);
        QPolygonF run;
        const RangeColumn* previous = nullptr;
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const RangeColumn& range = columns[column];
            if (!range.bUsed)
                continue;
            if (previous && !m_columns.Joined(*previous, range)) {
                DrawRun(painter, run);
                run.clear();
            }
            const double x = m_layout.plot.left() + static_cast<double>(column);
            for (const double ms : {range.dFirstMs, range.dLowMs, range.dHighMs, range.dLastMs})
                run << QPointF(x, Y(m_units.FromMilliseconds(ms)));
            previous = &range;
        }
        DrawRun(painter, run);
    }
    painter.restore();
}

void CRangePlot::DrawLegend(QPainter& painter) const {
    std::vector<LegendEntry> entries;
    const std::vector<int>& transponders = m_columns.Transponders();
    for (std::size_t line = 0; transponders.size() > 1 && line < transponders.size(); ++line)
        entries.push_back({PlotColours::LINES[line % PlotColours::LINES.size()],
                           Text("Tpdr " + std::to_string(transponders[line]))});
    using PlotColours::CUES;
    entries.insert(entries.end(), {{CUES[DIR_AHEAD], "^^^^ ahead"},
                                   {CUES[DIR_LEFT], "<<-- left"},
                                   {CUES[DIR_RIGHT], "-->> right"},
                                   {CUES[DIR_UNDETERMINED], "?? unknown"},
                                   {PlotColours::NO_REPLY, "-NO REPLY-"},
                                   {PlotColours::NO_RANGE, "no range (COMMS ERR)"},
                                   {PlotColours::SILENCE,
                                    Text("no reply for over 2 periods (" +
                                         std::to_string(m_summary.PeriodSeconds()) + " s)")}});
    painter.setFont(Font(FONT_PIXELS));
    const QFontMetrics metrics(painter.font());
    const QRect& legend = m_layout.legend;
    int x = legend.left();
    for (const LegendEntry& entry : entries) {
        const int width = SWATCH + 4 + metrics.horizontalAdvance(entry.text);
        if (x + width > legend.right())
            break;
        const QRect swatch(x, legend.center().y() - SWATCH / 2, SWATCH, SWATCH);
        painter.fillRect(swatch, QColor(entry.colour));
        painter.setPen(QColor(PlotColours::FRAME));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(PlotColours::TEXT));
        painter.drawText(QRect(x + SWATCH + 4, legend.top(), width, legend.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        x += width + 2 * SWATCH;
    }
}
