#pragma once
// The command line of quendix-plot, and what it means with the program's settings: the units
// ranges are shown in, and the part of the log to draw.

#include "DisplayUnits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IProfile;

// A time as the log writes it, or a time of day alone, which means its first occurrence in
// the log (its seconds since midnight).
struct TimeBound {
    std::optional<std::int64_t> nAt;
    std::int64_t nTimeOfDay = 0;
};

struct PlotOptions {
    std::string strLog;
    // By default the log's name with ".png" in the current folder.
    std::string strOut;
    std::optional<int> nUnits;
    std::optional<double> dSoundSpeed;
    std::optional<TimeBound> from, to;
    int nWidth = 1200, nHeight = 500;
    // For --help, Qt's text of the options; for --version, the version.
    std::string strAnswer;
};

// The options, or nothing with error set to a one-line reason.
std::optional<PlotOptions> ParsePlotOptions(const std::vector<std::string>& args,
                                            std::string& error);

// The log holds the corrected travel time in milliseconds; metres and feet are that time at a
// sound speed, as the display computes them.
struct PlotUnits {
    DisplayUnits units;
    double dSoundSpeed;

    double FromMilliseconds(double dMs) const;
    // Says which units and, for distances, which sound speed.
    std::string AxisTitle() const;
};

// The units and sound speed asked for; what is not asked for comes from section "Settings" of
// the program's INI file, which gives metres at 1500 m/s when it is missing.
PlotUnits ResolveUnits(const PlotOptions& options, IProfile& profile);

// The part of the log to draw, placed once the log's first line is known.
struct TimeWindow {
    std::optional<std::int64_t> nFrom, nTo;

    bool Contains(std::int64_t nSeconds) const {
        return (!nFrom || nSeconds >= *nFrom) && (!nTo || nSeconds <= *nTo);
    }
};

TimeWindow PlaceWindow(const PlotOptions& options, std::int64_t nFirstLine);
