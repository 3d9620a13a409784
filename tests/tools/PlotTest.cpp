// quendix-plot run as the operator runs it, from an installation of its own whose INI file the
// test writes: the title and the axis the picture shows, where the picture puts the ranges, the
// silence, the marks and the cues, and bad input.
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

// The picture's colours: the first transponder's line, the silence, the marks and the cues.
constexpr QRgb LINE = 0xff1c2a48, SILENCE = 0xfffff3bf, NO_REPLY = 0xffe03131;
constexpr QRgb COMMS_ERR = 0xff495057, RIGHT = 0xff2f9e44, AHEAD = 0xff1971c2, LEFT = 0xffe8590c;

// The tool in bin/ of a scratch installation, with the INI file given (none when empty).
class Plot : public testing::Test {
protected:
    // The exit status (-1: it did not end) and what it wrote on either stream.
    std::pair<int, std::string> Run(const QStringList& args, const std::string& ini = "",
                                    const std::optional<std::string>& log = kLog) const {
        fs::create_directories(m_folder / "bin");
        fs::create_directories(m_folder / "INI");
        fs::copy_file(QUENDIX_PLOT_BINARY, m_folder / "bin/quendix-plot",
                      fs::copy_options::skip_existing);
        TempFolder::WriteAll(m_folder / "INI/Quendix.ini", ini);
        fs::remove(m_folder / "log.txt");
        if (log)
            TempFolder::WriteAll(m_folder / "log.txt", *log);
        QProcess plot;
        plot.setProcessChannelMode(QProcess::MergedChannels);
        plot.setWorkingDirectory(QString::fromStdString(m_folder.Path().string()));
        plot.start(QString::fromStdString((m_folder / "bin/quendix-plot").string()),
                   QStringList{"log.txt"} + args);
        const bool ended = plot.waitForFinished(30000);
        return {ended ? plot.exitCode() : -1, plot.readAll().toStdString()};
    }

    // The texts of the SVG picture, a line each.
    std::string SvgText(const QStringList& args, const std::string& ini = "",
                        const std::string& log = kLog) const {
        EXPECT_EQ(Run(args + QStringList{"-o", "plot.svg"}, ini, log).first, 0);
        const std::string svg = TempFolder::ReadAll(m_folder / "plot.svg");
        std::string texts;
        for (std::size_t at = svg.find("<text"); at != std::string::npos;
             at = svg.find("<text", at + 1)) {
            const std::size_t start = svg.find('>', at) + 1;
            texts += svg.substr(start, svg.find("</text>", start) - start) + "\n";
        }
        return texts;
    }

    QImage Png(const QStringList& args) const {
        EXPECT_EQ(Run(args + QStringList{"-o", "plot.png"}).first, 0);
        return QImage(QString::fromStdString((m_folder / "plot.png").string()));
    }

    TempFolder m_folder;
};

// Where a colour stands in the picture above the legend, its bottom line; in one column if given.
QRect Where(const QImage& image, QRgb colour, int column = -1) {
    QRect found;
    for (int y = 0; y < image.height() - 24; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour && (column < 0 || x == column))
                found |= QRect(x, y, 1, 1);
    return found;
}

} // namespace

TEST_F(Plot, TitleAndLegendGiveTheFiguresOfTheLogOrOfTheWindow) {
    const std::string texts = SvgText({});
    EXPECT_THAT(texts,
                HasSubstr("Tpdr 10  ·  31/12/02 23:59:50 to 01/01/03 00:00:12  ·  8 replies  ·  "
                          "-NO REPLY- 12.5%  ·  closest 132.0 m at 01/01/03 00:00:12  ·  "
                          "1 line skipped\n"));
    EXPECT_THAT(texts, HasSubstr("\nno reply for over two periods; period 1 s\n"));
    EXPECT_THAT(
        SvgText({"--from", "23:59:51", "--to", "31/12/02 23:59:53", "--units", "ms"}),
        HasSubstr(
            "Tpdr 10  ·  31/12/02 23:59:51 to 31/12/02 23:59:53  ·  3 replies  ·  "
            "-NO REPLY- 33.3%  ·  closest 98.0 ms at 31/12/02 23:59:53  ·  1 line skipped\n"));
    // Two transponders: each named, and the closest range says whose it is.
    const std::string two =
        SvgText({}, "",
                "31/12/02,23:59:50,Tpdr:11,Rng:100.000ms,Offset:0.400ms,TelGrm:$150 ??\r\n"
                "31/12/02,23:59:51,Tpdr:12,Rng:50.000ms,Offset:0.400ms,TelGrm:$75 ??\r\n"
                "31/12/02,23:59:52,Tpdr:12,Rng:49.000ms,Offset:0.400ms,TelGrm:$74 ??\r\n");
    EXPECT_THAT(two, HasSubstr("Tpdrs 12, 11  ·  31/12/02 23:59:50 to 31/12/02 23:59:52  ·  "
                               "3 replies  ·  -NO REPLY- 0.0%  ·  closest 73.5 m at 31/12/02 "
                               "23:59:52 (Tpdr 12)\n"));
    EXPECT_THAT(two, HasSubstr("\nTpdr 12\nTpdr 11\n"));
}

// The settings, the units and speed given, and what the picture then says.
TEST_F(Plot, UnitsComeFromTheSettingsUnlessGiven) {
    const std::tuple<std::string, QStringList, std::string, std::string> cases[] = {
        {"Units=1\nSoundSpeedMetric=1450", {}, "(ft at 1450 m/s)\n", "closest 418.6 ft"},
        {"Units=2\nSoundSpeedMetric=1450", {}, "(ms travel time, as logged)\n", "closest 88.0 ms"},
        {"Units=1", {"--units", "m", "--sound-speed", "1480.5"}, "(m at 1480.5", "closest 130.3 m"},
        {"SoundSpeedMetric=0", {}, "Range (m at 1500 m/s)\n", "closest 132.0 m"},
    };
    for (const auto& [ini, args, axis, closest] : cases) {
        const std::string svg = SvgText(args, "[Settings]\n" + ini);
        EXPECT_THAT(svg, HasSubstr(axis)) << ini;
        EXPECT_THAT(svg, HasSubstr(closest)) << ini;
    }
}

TEST_F(Plot, PixelsShowTheRangesTheSilenceTheMarksAndTheCues) {
    const QImage image = Png({"--size", "800x400", "--units", "m"});
    const QRect line = Where(image, LINE);
    const QRect silence = Where(image, SILENCE);
    // 16 of the 22 s are silent, and the line breaks there.
    EXPECT_GT(silence.width(), line.width() * 6 / 10);
    EXPECT_TRUE(Where(image, LINE, silence.center().x()).isEmpty());
    // The ranges fall: the line starts high on the left and ends low on the right.
    EXPECT_LT(Where(image, LINE, line.left()).bottom(), Where(image, LINE, line.right()).top());
    // The "-NO REPLY-" at 23:59:52 points at the line from just above it, the reply without
    // range at 23:59:54 from below, before the silence.
    const QRect noReply = Where(image, NO_REPLY);
    EXPECT_NEAR(noReply.bottom(), Where(image, LINE, noReply.center().x()).top(), 4);
    EXPECT_LT(noReply.center().x(), Where(image, COMMS_ERR).center().x());
    EXPECT_GT(Where(image, COMMS_ERR).top(), noReply.bottom());
    EXPECT_LT(Where(image, COMMS_ERR).center().x(), silence.left());
    // Steering right before the silence, ahead on either side, left at the end.
    EXPECT_EQ(Where(image, RIGHT).right() + 1, Where(image, AHEAD).left()); // it holds till then
    EXPECT_LT(Where(image, AHEAD).left(), silence.left());
    EXPECT_GT(Where(image, AHEAD).right(), silence.right());
    EXPECT_GT(Where(image, LEFT).left(), Where(image, AHEAD).right() - 20);

    // A lone range still shows.
    EXPECT_FALSE(Where(Png({"--to", "31/12/02 23:59:50"}), LINE).isEmpty());
}

TEST_F(Plot, CommandAnswersWithAnExitStatusAndAMessage) {
    const std::string line = kLog.substr(0, kLog.find('\n') + 1);
    // The log (none: no file), the options, the exit status, and what it says.
    const std::tuple<std::optional<std::string>, QStringList, int, std::string> cases[] = {
        {line, {"--help"}, 0, "Usage: quendix-plot [options] LOG"},
        {line, {"--version"}, 0, "quendix-plot 1."},
        {line, {}, 0, "log.png"},
        {{}, {}, 1, "cannot read"},
        {"", {}, 1, "is empty"},
        {"[Settings]\r\nUnits=0\r\n", {}, 1, "is no data log"},
        {std::string(5 << 20, 'x') + "\r\n" + line, {}, 0, "skipped 1 line"},
        {line, {"--from", "02/01/03 00:00:00"}, 1, "no reply"},
        {line, {"--units", "yd"}, 2, "--units"},
        {line, {"--sound-speed", "0"}, 2, "--sound-speed"},
        {line, {"--sound-speed", "1500m"}, 2, "--sound-speed"},
        {line, {"-o", "nowhere/log.png"}, 1, "cannot write nowhere/log.png: No such file"},
        {line, {"--size", "100x100"}, 2, "--size"},
        {line, {"-o", "log.bmp"}, 2, "-o"},
        {line, {"--bogus"}, 2, "bogus"},
        {line, {"other.txt"}, 2, "one log at a time"},
    };
    for (const auto& [log, args, status, message] : cases) {
        fs::remove(m_folder / "log.png");
        const auto [exitStatus, said] = Run(args, "", log);
        EXPECT_EQ(exitStatus, status) << message;
        EXPECT_THAT(said, HasSubstr(message));
        EXPECT_EQ(fs::exists(m_folder / "log.png"), status == 0 && args.isEmpty()) << message;
    }
}
