// quendix-plot LOG [options]: draws the range history of a data log of the display as a PNG or
// SVG picture: the units, two passes over the log (its figures, then the columns the picture
// can show), and the picture written. Needs no display: it paints offscreen.

#include "CPrivateProfile.h"
#include "PathFunctions.h"
#include "RangePlot.h"
#include "ReadDataLog.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>

namespace {

// More lines than this could not be told apart.
constexpr std::size_t MAX_LINES = 8;

std::string CannotRead(const std::string& log) {
    return "cannot read " + log + ": " + std::strerror(errno);
}

std::string Bound(const std::optional<std::int64_t>& nSeconds, const char* open) {
    return nSeconds ? FormatLogTime(*nSeconds).Joined(" ") : open;
}

// Why the log gives nothing to draw; empty when it does.
std::string NothingToDraw(const std::string& log, const DataLogCounts& counts,
                          const TimeWindow& window, const CPlotData& data) {
    if (counts.nBytes == 0)
        return log + " is empty: no reply has been logged";
    if (counts.nLines == 0)
        return log + " is no data log: none of its lines reads " + LogLineLayout();
    if (window.nFrom && window.nTo && *window.nFrom > *window.nTo)
        return "--from " + Bound(window.nFrom, "") + " comes after --to " + Bound(window.nTo, "");
    if (data.Replies() == 0)
        return "no reply in " + log + " from " + Bound(window.nFrom, "its start") + " to " +
               Bound(window.nTo, "its end");
    return {};
}

// The log reduced for its picture; nothing, with error set to a one-line reason, when the log
// cannot be read or holds nothing to draw. Skipped counts the lines that are no log lines.
std::optional<CPlotData> ReduceLog(const PlotOptions& options, std::size_t& nSkipped,
                                   std::string& error) {
    std::optional<TimeWindow> window;
    CPlotData data;
    const auto counts = ReadDataLog(options.strLog, [&](const LogLine& line) {
        if (!window)
            window = PlaceWindow(options, line.nSeconds);
        if (window->Contains(line.nSeconds))
            data.Survey(line);
    });
    error = counts ? NothingToDraw(options.strLog, *counts, window.value_or(TimeWindow{}), data)
                   : CannotRead(options.strLog);
    if (!error.empty())
        return std::nullopt;
    if (counts->nDamaged > 0)
        std::cerr << "quendix-plot: skipped " << counts->nDamaged << " line(s) of "
                  << options.strLog << " that are cut short, run together or not log lines\n";
    std::vector<int> transponders = data.Transponders();
    if (transponders.size() > MAX_LINES)
        std::cerr << "quendix-plot: " << transponders.size() << " transponders in "
                  << options.strLog << "; the " << MAX_LINES << " with most replies are drawn\n";
    transponders.resize(std::min(transponders.size(), MAX_LINES));
    data.SetColumns(*window, PlotColumns(QSize(options.nWidth, options.nHeight)), transponders);
    // Only the bytes read the first time: a log the display is writing has grown since.
    const auto again = ReadDataLog(
        options.strLog,
        [&](const LogLine& line) {
            if (window->Contains(line.nSeconds))
                data.Reduce(line);
        },
        counts->nBytes);
    if (!again) {
        error = CannotRead(options.strLog);
        return std::nullopt;
    }
    nSkipped = counts->nDamaged;
    return data;
}

// An SVG file when the path ends in ".svg", else PNG. False, with error set to the reason,
// when the file cannot be written.
bool WritePicture(const std::string& path, QSize size, const std::function<void(QPainter&)>& draw,
                  std::string& error) {
    QFile file(QString::fromStdString(path));
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QPainter painter;
    if (written && path.ends_with(".svg")) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle("Range history");
        written = painter.begin(&generator);
        if (written)
            draw(painter);
        written = written && painter.end();
    } else if (written) {
        QImage image(size, QImage::Format_RGB32);
        painter.begin(&image);
        draw(painter);
        painter.end();
        written = image.save(&file, "PNG");
    }
    if (!written || !file.flush())
        error = file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                     : "the picture could not be made";
    return error.empty();
}

} // namespace

int main(int argc, char* argv[]) {
    std::string error;
    const auto options = ParsePlotOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "quendix-plot: " << error << " (quendix-plot --help lists the options)\n";
        return 2;
    }
    if (!options->strAnswer.empty()) {
        std::cout << options->strAnswer;
        return 0;
    }
    // Fonts need a platform, but the picture never needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    CPrivateProfile profile(IniFilePath(ProgramParentPath()));
    const PlotUnits units = ResolveUnits(*options, profile);
    std::size_t nSkipped = 0;
    const std::optional<CPlotData> data = ReduceLog(*options, nSkipped, error);
    const std::string out = options->strOut;
    const QSize size(options->nWidth, options->nHeight);
    const auto draw = [&](QPainter& painter) {
        DrawRangePlot(painter, size, *data, units, data->Title(units, nSkipped));
    };
    if (data && !WritePicture(out, size, draw, error))
        error = "cannot write " + out + ": " + error;
    if (!error.empty()) {
        std::cerr << "quendix-plot: " << error << "\n";
        return EXIT_FAILURE;
    }
    std::cout << out << "\n";
    return EXIT_SUCCESS;
}
