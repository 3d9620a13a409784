#include "PlotRun.h"

#include "CTimeWindow.h"
#include "LogTimeText.h"
#include "PlotTitle.h"
#include "ReadDataLog.h"
#include "WritePicture.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

// More lines than this could not be told apart.
constexpr std::size_t MAX_LINES = 8;

std::string CannotRead(const std::string& log) {
    return "cannot read " + log + ": " + std::strerror(errno);
}

std::string Bound(const std::optional<std::int64_t>& nSeconds, const char* open) {
    return nSeconds ? DateTimeText(*nSeconds) : open;
}

// Why the log gives nothing to draw; empty when it does.
std::string NothingToDraw(const std::string& log, const DataLogCounts& counts,
                          const CTimeWindow& window, const CLogSummary& summary) {
    if (counts.nBytes == 0)
        return log + " is empty: no reply has been logged";
    if (counts.nLines == 0)
        return log + " is no data log: none of its lines reads " + LogLineLayout();
    if (window.IsReversed())
        return "--from " + Bound(window.From(), "") + " comes after --to " + Bound(window.To(), "");
    if (summary.Replies() == 0)
        return "no reply in " + log + " from " + Bound(window.From(), "its start") + " to " +
               Bound(window.To(), "its end");
    return {};
}

void TellWhatIsLeftOut(const std::string& log, const DataLogCounts& counts,
                       std::size_t nTransponders) {
    if (counts.nDamaged > 0)
        std::cerr << "quendix-plot: skipped " << counts.nDamaged << " line(s) of " << log
                  << " that are cut short, run together or not log lines\n";
    if (nTransponders > MAX_LINES)
        std::cerr << "quendix-plot: " << nTransponders << " transponders in " << log << "; the "
                  << MAX_LINES << " with most replies are drawn\n";
}

} // namespace

std::optional<CRangePlot> BuildPlot(const PlotOptions& options, IProfile& profile,
                                    std::string& error) {
    const RangeUnits units = RangeUnits::Resolve(options.nUnits, options.dSoundSpeed, profile);
    CTimeWindow window(options.from, options.to);
    CLogSummary summary;
    const auto counts = ReadDataLog(options.strLog, [&](const LogLine& line) {
        window.Anchor(line.nSeconds);
        if (window.Contains(line.nSeconds))
            summary.Add(line, ReadReply(line));
    });
    if (!counts) {
        error = CannotRead(options.strLog);
        return std::nullopt;
    }
    error = NothingToDraw(options.strLog, *counts, window, summary);
    if (!error.empty())
        return std::nullopt;
    std::vector<int> transponders = summary.Transponders();
    TellWhatIsLeftOut(options.strLog, *counts, transponders.size());
    transponders.resize(std::min(transponders.size(), MAX_LINES));

    const PlotLayout layout = PlotLayout::For(QSize(options.nWidth, options.nHeight));
    const CTimeScale scale(window.From().value_or(summary.First()),
                           window.To().value_or(summary.Last()), layout.plot.width());
    CPlotColumns columns(scale, transponders, summary.PeriodSeconds());
    // Only the bytes read the first time: a log the display is writing has grown since.
    const auto again = ReadDataLog(
        options.strLog,
        [&](const LogLine& line) {
            if (window.Contains(line.nSeconds))
                columns.Add(line, ReadReply(line));
        },
        counts->nBytes);
    if (!again) {
        error = CannotRead(options.strLog);
        return std::nullopt;
    }
    std::string title = PlotTitle(summary, units, counts->nDamaged);
    return CRangePlot(layout, std::move(summary), std::move(columns), units, std::move(title));
}

int RunPlot(const PlotOptions& options, IProfile& profile) {
    std::string error;
    const std::optional<CRangePlot> plot = BuildPlot(options, profile, error);
    const std::string out = OutputPath(options);
    if (plot &&
        !WritePicture(
            out, plot->Layout().size, [&](QPainter& painter) { plot->Draw(painter); }, error))
        error = "cannot write " + out + ": " + error;
    if (!error.empty()) {
        std::cerr << "quendix-plot: " << error << "\n";
        return EXIT_FAILURE;
    }
    std::cout << out << "\n";
    return EXIT_SUCCESS;
}
