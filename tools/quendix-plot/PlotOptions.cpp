#include "PlotOptions.h"

#include "DisplayUnits.h"
#include "LogLine.h"
#include "NumberText.h"
#include "QuendixCodes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>

namespace {

constexpr int MIN_WIDTH = 320;
constexpr int MIN_HEIGHT = 240;
// At most 128 MB of picture.
constexpr int MAX_WIDTH = 8000;
constexpr int MAX_HEIGHT = 4000;

using Setter = std::function<bool(PlotOptions&, const std::string&)>;

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

bool ParseUnits(const std::string& text, std::optional<int>& units) {
    const std::optional<DisplayUnits> named = UnitsNamed(text);
    if (named)
        units = named->nCode;
    return named.has_value();
}

bool ParseSoundSpeed(const std::string& text, std::optional<double>& speed) {
    std::size_t consumed = 0;
    const auto value = ParseLeadingDouble(text, &consumed);
    if (!value || consumed != text.size() || !std::isfinite(*value) || *value <= 0)
        return false;
    speed = value;
    return true;
}

bool ParseSide(std::string_view text, int nMin, int nMax, int& side) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), side);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && side >= nMin &&
           side <= nMax;
}

bool ParseSize(const std::string& text, PlotOptions& options) {
    const std::size_t x = text.find('x');
    return x != std::string::npos &&
           ParseSide(std::string_view(text).substr(0, x), MIN_WIDTH, MAX_WIDTH, options.nWidth) &&
           ParseSide(std::string_view(text).substr(x + 1), MIN_HEIGHT, MAX_HEIGHT, options.nHeight);
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters{
        {"-o",
         [](PlotOptions& o, const std::string& v) {
             o.strOut = v;
             return v.ends_with(".png") || v.ends_with(".svg");
         }},
        {"--units", [](PlotOptions& o, const std::string& v) { return ParseUnits(v, o.nUnits); }},
        {"--sound-speed",
         [](PlotOptions& o, const std::string& v) { return ParseSoundSpeed(v, o.dSoundSpeed); }},
        {"--from", [](PlotOptions& o,
                      const std::string& v) { return (o.from = ParseTimeBound(v)).has_value(); }},
        {"--to", [](PlotOptions& o,
                    const std::string& v) { return (o.to = ParseTimeBound(v)).has_value(); }},
        {"--size", [](PlotOptions& o, const std::string& v) { return ParseSize(v, o); }},
    };
    return setters;
}

} // namespace

std::optional<PlotOptions> ParsePlotOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    PlotOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            options.bHelp = true;
            return options;
        }
        const auto setter = Setters().find(args[i]);
        if (setter != Setters().end()) {
            if (i + 1 == args.size() || !setter->second(options, args[i + 1])) {
                error = "bad or missing value for " + args[i] + " (see --help)";
                return std::nullopt;
            }
            ++i;
        } else if (args[i].starts_with("-")) {
            error = "unknown option " + args[i];
            return std::nullopt;
        } else if (!options.strLog.empty()) {
            error = "one log at a time: " + args[i];
            return std::nullopt;
        } else {
            options.strLog = args[i];
        }
    }
    if (options.strLog.empty()) {
        error = "no log file named";
        return std::nullopt;
    }
    return options;
}

std::string PlotUsage() {
    return R"(Usage: quendix-plot LOG [-o OUT.png|OUT.svg] [--units m|ft|ms] [--sound-speed M_PER_S]
                    [--from TIME] [--to TIME] [--size WxH]
Draws the range history of a data log of Quendix Display: the range against time (one line a
transponder), gaps where replies stopped for more than two periods, marks where the unit said
"-NO REPLY-" or the telegram held no range, and the steering cue as a strip under the plot.

  -o FILE            the picture, PNG or SVG by its ending (default: the log's name with .png,
                     in the current folder)
  --units U          m, ft or ms (default: the program's settings in ../INI/Quendix.ini beside
                     this tool, else m)
  --sound-speed V    metres per second for m and ft (default: the settings' sound speed, else
                     1500)
  --from TIME        draw from this time: dd/mm/yy,HH:MM:SS as in the log, or HH:MM[:SS] for its
                     first occurrence in the log
  --to TIME          draw up to this time, written the same way
  --size WxH         the picture's size in pixels (default 1200x500; 320x240 to 8000x4000)
  --help             this text
)";
}

std::string OutputPath(const PlotOptions& options) {
    if (!options.strOut.empty())
        return options.strOut;
    return std::filesystem::path(options.strLog).filename().replace_extension(".png").string();
}
