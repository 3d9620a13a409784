#pragma once
// The command line of quendix-plot.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A time given as the log writes it, "dd/mm/yy,HH:MM:SS" (a blank for the comma will do), or
// a time of day alone, "HH:MM[:SS]", which means its first occurrence in the log.
struct TimeBound {
    std::optional<std::int64_t> nAt;
    std::int64_t nTimeOfDay = 0;
};

struct PlotOptions {
    std::string strLog;
    // Empty for the log's name with ".png" in the current folder.
    std::string strOut;
    std::optional<int> nUnits;
    std::optional<double> dSoundSpeed;
    std::optional<TimeBound> from;
    std::optional<TimeBound> to;
    int nWidth = 1200;
    int nHeight = 500;
    bool bHelp = false;
};

// The options, or nothing with error set to a one-line reason.
std::optional<PlotOptions> ParsePlotOptions(const std::vector<std::string>& args,
                                            std::string& error);

std::string PlotUsage();

// The picture's file: the one asked for, or the log's name with ".png" in the current folder.
std::string OutputPath(const PlotOptions& options);
