#pragma once
// The whole of quendix-plot after its command line: the units, two passes over the log (its
// figures, then the columns the picture can show), and the picture written.

#include "CRangePlot.h"
#include "PlotOptions.h"

#include <optional>
#include <string>

class IProfile;

// The picture the options ask for; nothing, with error set to a one-line reason, when the log
// cannot be read or holds nothing to draw.
std::optional<CRangePlot> BuildPlot(const PlotOptions& options, IProfile& profile,
                                    std::string& error);

// Builds and writes the picture; the exit status. Messages go to standard error.
int RunPlot(const PlotOptions& options, IProfile& profile);
