#include "PlotOptions.h"

#include "IProfile.h"
#include "LogLine.h"
#include "NumberText.h"
#include "QuendixCodes.h"

#include <QCommandLineParser>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>

namespace {

const char* const DESCRIPTION = "Draws a data log of Quendix Display as a picture: the range "
                                "against time, one line a transponder.";
constexpr int MIN_WIDTH = 320, MIN_HEIGHT = 240;
constexpr int MAX_WIDTH = 8000, MAX_HEIGHT = 4000; // at most 128 MB of picture
constexpr std::int64_t DAY = 86400;

// "dd/mm/yy,HH:MM:SS" as in the log (a blank for the comma will do), or "HH:MM[:SS]".
std::optional<TimeBound> ParseTimeBound(std::string text) {
    std::replace(text.begin(), text.end(), ' ', ',');
    if (const auto at = ParseLogTime(text))
        return TimeBound{at, 0};
    if (text.size() == 5)
        text += ":00";
    // A time of day is its seconds since midnight on the log clock's first day.
    if (const auto timeOfDay = ParseLogTime("01/01/70," + text))
        return TimeBound{std::nullopt, *timeOfDay};
    return std::nullopt;
}

std::optional<double> ParseSoundSpeed(const std::string& text) {
    std::size_t consumed = 0;
    const auto value = ParseLeadingDouble(text, &consumed);
    if (!value || consumed != text.size() || !std::isfinite(*value) || *value <= 0)
        return std::nullopt;
    return value;
}

bool ParseSize(std::string_view text, PlotOptions& options) {
    const auto side = [](std::string_view part, int nMin, int nMax, int& value) {
        const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
        return result.ec == std::errc() && result.ptr == part.end() && value >= nMin &&
               value <= nMax;
    };
    const std::size_t x = text.find('x');
    return x != std::string::npos &&
           side(text.substr(0, x), MIN_WIDTH, MAX_WIDTH, options.nWidth) &&
           side(text.substr(x + 1), MIN_HEIGHT, MAX_HEIGHT, options.nHeight);
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(DESCRIPTION);
    parser.addPositionalArgument("LOG", "A data log of the display.");
    parser.addOptions({
        {"o", "The picture, .png or .svg (default: LOG's name with .png, here).", "FILE"},
        {"units", "m, ft or ms (default: the settings' in ../INI/Quendix.ini, else m).", "U"},
        {"sound-speed", "Metres per second for m and ft (default: as --units).", "M_PER_S"},
        {"from", "From dd/mm/yy,HH:MM:SS, or HH:MM[:SS] at its first occurrence.", "TIME"},
        {"to", "Up to this time, written the same way.", "TIME"},
        {"size", "In pixels (default 1200x500; 320x240 to 8000x4000).", "WxH"},
        {{"h", "help"}, "This text."},
        {"version", "The version."},
    });
}

// The sound speed the program stores, as the program reads it; nothing when it would make
// every distance meaningless.
std::optional<double> StoredSoundSpeed(IProfile& profile) {
    const std::string text = profile.GetProfileString("Settings", "SoundSpeedMetric", "1500");
    if (text.empty())
        return std::nullopt;
    const double speed = AtoF(text);
    if (std::isfinite(speed) && speed > 0)
        return speed;
    std::cerr << "quendix-plot: the INI file's sound speed \"" << text
              << "\" is no speed; distances are at 1500 m/s (give --sound-speed to choose)\n";
    return std::nullopt;
}

} // namespace

std::optional<PlotOptions> ParsePlotOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    QCommandLineParser parser;
    AddOptions(parser);
    QStringList arguments{"quendix-plot"};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg);
    PlotOptions options;
    if (!parser.parse(arguments)) {
        error = parser.errorText().toStdString();
        return std::nullopt;
    }
    if (parser.isSet("help") || parser.isSet("version")) {
        options.strAnswer =
            parser.isSet("help")
                ? parser.helpText().replace("<executable_name>", "quendix-plot").toStdString()
                : "quendix-plot " QUENDIX_VERSION "\n";
        return options;
    }
    const QStringList logs = parser.positionalArguments();
    if (logs.size() != 1) {
        error =
            logs.isEmpty() ? "no log file named" : "one log at a time: " + logs[1].toStdString();
        return std::nullopt;
    }
    const auto value = [&](const char* name) { return parser.value(name).toStdString(); };
    options.strLog = logs[0].toStdString();
    options.strOut =
        parser.isSet("o")
            ? value("o")
            : std::filesystem::path(options.strLog).filename().replace_extension(".png").string();
    if (const std::optional<DisplayUnits> units = UnitsNamed(value("units")))
        options.nUnits = units->nCode;
    options.dSoundSpeed = ParseSoundSpeed(value("sound-speed"));
    options.from = ParseTimeBound(value("from"));
    options.to = ParseTimeBound(value("to"));
    const std::pair<const char*, bool> checks[] = {
        {"o", options.strOut.ends_with(".png") || options.strOut.ends_with(".svg")},
        {"units", options.nUnits.has_value()},
        {"sound-speed", options.dSoundSpeed.has_value()},
        {"from", options.from.has_value()},
        {"to", options.to.has_value()},
        {"size", ParseSize(value("size"), options)},
    };
    for (const auto& [name, good] : checks) {
        if (parser.isSet(name) && !good) {
            error = (name[1] ? "--" : "-") + std::string(name) + " cannot be \"" + value(name) +
                    "\" (see --help)";
            return std::nullopt;
        }
    }
    return options;
}

double PlotUnits::FromMilliseconds(double dMs) const {
    return units.dPerMetre ? dMs / 1000.0 * dSoundSpeed * *units.dPerMetre : dMs;
}

std::string PlotUnits::AxisTitle() const {
    if (!units.dPerMetre)
        return "Range (ms travel time, as logged)";
    return "Range (" + std::string(units.abbrev) + " at " + FormatGeneral(dSoundSpeed, 6) + " m/s)";
}

PlotUnits ResolveUnits(const PlotOptions& options, IProfile& profile) {
    const int code =
        options.nUnits.value_or(UnitsFromStored(profile.GetProfileInt("Settings", "Units", 0)));
    std::optional<double> speed = options.dSoundSpeed;
    if (!speed && code != UNITS_MSEC)
        speed = StoredSoundSpeed(profile);
    return PlotUnits{*UnitsOf(code), speed.value_or(NOMINAL_SOUND_SPEED)};
}

TimeWindow PlaceWindow(const PlotOptions& options, std::int64_t nFirstLine) {
    const auto place = [](const std::optional<TimeBound>& bound, std::int64_t nNotBefore) {
        if (!bound || bound->nAt)
            return bound ? bound->nAt : std::nullopt;
        const std::int64_t at = nNotBefore - (nNotBefore % DAY + DAY) % DAY + bound->nTimeOfDay;
        return std::optional(at >= nNotBefore ? at : at + DAY);
    };
    const std::optional<std::int64_t> from = place(options.from, nFirstLine);
    return {from, place(options.to, from.value_or(nFirstLine))};
}
