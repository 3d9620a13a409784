// quendix-plot LOG [options]: draws the range history of a data log of the display as a PNG or
// SVG picture. Needs no display: it paints offscreen.

#include "CPrivateProfile.h"
#include "PathFunctions.h"
#include "PlotOptions.h"
#include "PlotRun.h"

#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    std::string error;
    const auto options = ParsePlotOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "quendix-plot: %s\n%s", error.c_str(), PlotUsage().c_str());
        return 2;
    }
    if (options->bHelp) {
        std::fputs(PlotUsage().c_str(), stdout);
        return 0;
    }
    // Fonts need a platform, but the picture never needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    std::string parentPath = MfxGetModulePathName();
    MfxPathToParentPath(parentPath);
    CPrivateProfile profile(IniFilePath(parentPath));
    return RunPlot(*options, profile);
}
