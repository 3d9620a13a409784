// quendix-plot on a log made here: the figures of the title, the picture's pixels where the
// values say, the units, and bad input handed to the real command.
#include "CPrivateProfile.h"
#include "PlotColours.h"
#include "PlotRun.h"
#include "TempFolder.h"

#include <QImage>
#include <QProcess>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

// Period 1 s: a "-NO REPLY-", a reply without range, a change of cue, 16 s of silence across
// midnight into a new year, and a last line cut short by a power cut.
const std::string kLog =
    "31/12/02,23:59:50,Tpdr:10,Rng:100.000ms,Offset:0.400ms,TelGrm:$150.6 -->>\r\n"
    "31/12/02,23:59:51,Tpdr:10,Rng:99.000ms,Offset:0.400ms,TelGrm:$149.1 -->>\r\n"
    "31/12/02,23:59:52,Tpdr:10,Rng:-0.400ms,Offset:0.400ms,TelGrm:$-NO REPLY-\r\n"
    "31/12/02,23:59:53,Tpdr:10,Rng:98.000ms,Offset:0.400ms,TelGrm:$147.6 ^^^^\r\n"
    "31/12/02,23:59:54,Tpdr:10,Rng:9.000ms,Offset:0.400ms,TelGrm:$14\r\n"
    "01/01/03,00:00:10,Tpdr:10,Rng:90.000ms,Offset:0.400ms,TelGrm:$135.6 ^^^^\r\n"
    "01/01/03,00:00:11,Tpdr:10,Rng:89.000ms,Offset:0.400ms,TelGrm:$134.1 ^^^^\r\n"
    "01/01/03,00:00:12,Tpdr:10,Rng:88.000ms,Offset:0.400ms,TelGrm:$132.6 <<--\r\n"
    "01/01/03,00:00:1";

std::int64_t At(const char* time) {
    return *ParseLogTime(time);
}

class Plot : public testing::Test {
protected:
    Plot() { TempFolder::WriteAll(m_log, kLog); }

    std::optional<CRangePlot> Build(std::vector<std::string> args) {
        args.insert(args.begin(), m_log.string());
        std::string error;
        const std::optional<PlotOptions> options = ParsePlotOptions(args, error);
        EXPECT_TRUE(options) << error;
        CPrivateProfile profile(m_folder / "Quendix.ini");
        std::optional<CRangePlot> plot = BuildPlot(*options, profile, error);
        EXPECT_TRUE(plot) << error;
        return plot;
    }

    TempFolder m_folder;
    fs::path m_log = m_folder / "QuendixLog.txt";
};

// Whether the colour lies within two pixels of (x, y): the line is two pixels wide.
bool Near(const QImage& image, int x, double y, QRgb colour) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (image.pixel(x + dx, static_cast<int>(y) + dy) == colour)
                return true;
    return false;
}

QImage Picture(const CRangePlot& plot) {
    QImage image(plot.Layout().size, QImage::Format_RGB32);
    QPainter painter(&image);
    plot.Draw(painter);
    return image;
}

} // namespace

TEST_F(Plot, TitleGivesTheFiguresOfTheLogOrOfTheWindow) {
    EXPECT_EQ(Build({})->Title(), "Tpdr 10  ·  31/12/02 23:59:50 to 01/01/03 00:00:12  ·  "
                                  "8 replies  ·  -NO REPLY- 12.5%  ·  closest 132.0 m at "
                                  "01/01/03 00:00:12  ·  1 line skipped");
    EXPECT_EQ(Build({"--from", "23:59:51", "--to", "31/12/02 23:59:53", "--units", "ms"})->Title(),
              "Tpdr 10  ·  31/12/02 23:59:51 to 31/12/02 23:59:53  ·  3 replies  ·  "
              "-NO REPLY- 33.3%  ·  closest 98.0 ms at 31/12/02 23:59:53  ·  1 line skipped");
}

TEST_F(Plot, PixelsShowTheRangesTheSilenceTheMarksAndTheCues) {
    const std::optional<CRangePlot> plot = Build({"--size", "800x400", "--units", "m"});
    const PlotLayout& layout = plot->Layout();
    const QImage image = Picture(*plot);

    const std::pair<const char*, double> ranges[] = {
        {"31/12/02,23:59:50", 150.0}, {"31/12/02,23:59:53", 147.0}, {"01/01/03,00:00:12", 132.0}};
    for (const auto& [time, metres] : ranges)
        EXPECT_TRUE(Near(image, plot->X(At(time)), plot->Y(metres), PlotColours::LINES[0])) << time;
    const std::optional<CRangePlot> lone = Build({"--to", "31/12/02 23:59:50"});
    EXPECT_TRUE(Near(Picture(*lone), lone->X(At("31/12/02,23:59:50")), lone->Y(150.0),
                     PlotColours::LINES[0]));

    const int silent = plot->X(At("01/01/03,00:00:02"));
    int shaded = 0;
    for (int y = layout.plot.top(); y <= layout.plot.bottom(); ++y) {
        ASSERT_NE(image.pixel(silent, y), PlotColours::LINES[0]) << y;
        shaded += image.pixel(silent, y) == PlotColours::SILENCE;
    }
    EXPECT_GT(shaded, layout.plot.height() / 2);

    const auto colourAt = [&](const char* time, const QRect& band) {
        return image.pixel(plot->X(At(time)), band.center().y());
    };
    EXPECT_EQ(colourAt("31/12/02,23:59:52", layout.noReplyMarks), PlotColours::NO_REPLY);
    EXPECT_EQ(colourAt("31/12/02,23:59:50", layout.noReplyMarks), PlotColours::BACKGROUND);
    EXPECT_EQ(colourAt("31/12/02,23:59:54", layout.noRangeMarks), PlotColours::NO_RANGE);
    EXPECT_EQ(colourAt("31/12/02,23:59:51", layout.cueStrip), PlotColours::CUES[DIR_RIGHT]);
    EXPECT_EQ(colourAt("01/01/03,00:00:11", layout.cueStrip), PlotColours::CUES[DIR_AHEAD]);
    EXPECT_EQ(colourAt("01/01/03,00:00:02", layout.cueStrip), PlotColours::BACKGROUND);
}

TEST(PlotUnits, ConvertTheLoggedTravelTimeAndComeFromTheSettingsUnlessGiven) {
    // The settings, the units and speed given, what 100 ms shows as, and the axis title.
    const std::tuple<std::string, std::optional<int>, std::optional<double>, double, std::string>
        cases[] = {
            {"Units=1\nSoundSpeedMetric=1450", {}, {}, 475.721784776903, "Range (ft at 1450 m/s)"},
            {"Units=2\nSoundSpeedMetric=1450", {}, {}, 100.0, "Range (ms travel time, as logged)"},
            {"Units=1\nSoundSpeedMetric=1450", UNITS_METRES, 1480.5, 148.05,
             "Range (m at 1480.5 m/s)"},
            {"SoundSpeedMetric=0", {}, {}, 150.0, "Range (m at 1500 m/s)"},
        };
    for (const auto& [ini, given, speed, shown, axis] : cases) {
        TempFolder folder;
        TempFolder::WriteAll(folder / "Quendix.ini", "[Settings]\n" + ini);
        CPrivateProfile profile(folder / "Quendix.ini");
        const RangeUnits units = RangeUnits::Resolve(given, speed, profile);
        EXPECT_NEAR(units.FromMilliseconds(100.0), shown, 1e-9) << ini;
        EXPECT_EQ(units.AxisTitle(), axis) << ini;
    }
}

TEST(PlotCommand, AnswersBadInputWithAMessageAndAnExitStatus) {
    const std::string line = kLog.substr(0, kLog.find('\n') + 1);
    // The log (none: no file), the options, the exit status, and what the message says.
    const std::tuple<std::optional<std::string>, QStringList, int, std::string> cases[] = {
        {{}, {}, 1, "cannot read"},
        {"", {}, 1, "is empty"},
        {"[Settings]\r\nUnits=0\r\n", {}, 1, "is no data log"},
        {std::string(5 << 20, 'x') + "\r\n" + line, {}, 0, "skipped 1 line"},
        {line, {"--from", "02/01/03 00:00:00"}, 1, "no reply"},
        {line, {"--units", "yd"}, 2, "--units"},
        {line, {"--sound-speed", "0"}, 2, "--sound-speed"},
        {line, {"--size", "100x100"}, 2, "--size"},
        {line, {"-o", "log.bmp"}, 2, "-o"},
    };
    for (const auto& [log, args, status, message] : cases) {
        TempFolder folder;
        if (log)
            TempFolder::WriteAll(folder / "log.txt", *log);
        QProcess plot;
        plot.setWorkingDirectory(QString::fromStdString(folder.Path().string()));
        plot.start(QUENDIX_PLOT_BINARY, QStringList{"log.txt"} + args);
        ASSERT_TRUE(plot.waitForFinished(30000));
        EXPECT_EQ(plot.exitCode(), status) << message;
        EXPECT_THAT(plot.readAllStandardError().toStdString(), HasSubstr(message));
        EXPECT_EQ(fs::exists(folder / "log.png"), status == 0) << message;
    }
}
