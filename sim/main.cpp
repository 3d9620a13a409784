// quendix-sim: stands in for the acoustic ranging unit on a pseudo-terminal or serial device.

#include "ReplayLog.h"
#include "Scenario.h"
#include "SerialEndpoint.h"
#include "SimLoop.h"
#include "SimOptions.h"

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const auto ignored = write(g_stopPipe[1], &byte, 1);
}

bool InstallStopSignals() {
    if (pipe(g_stopPipe) != 0)
        return false;
    fcntl(g_stopPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

// Replaces a symlink left by an earlier run; never anything else.
bool MakeLink(const std::string& strLink, const std::string& strTarget) {
    struct stat info {};
    if (lstat(strLink.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            std::fprintf(stderr, "quendix-sim: %s exists and is not a symlink\n", strLink.c_str());
            return false;
        }
        unlink(strLink.c_str());
    }
    if (symlink(strTarget.c_str(), strLink.c_str()) != 0) {
        std::perror(("quendix-sim: symlink " + strLink).c_str());
        return false;
    }
    return true;
}

std::optional<SerialEndpoint> OpenEndpoint(const SimOptions& options) {
    std::string error;
    auto endpoint = options.strDevice.empty()
                        ? SerialEndpoint::OpenPseudoTerminal(error)
                        : SerialEndpoint::OpenDevice(options.strDevice, options.nBaud, error);
    if (!endpoint)
        std::fprintf(stderr, "quendix-sim: %s\n", error.c_str());
    return endpoint;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "quendix-sim: %s (quendix-sim --help lists the options)\n",
                     error.c_str());
        return 2;
    }
    if (options->bHelp || options->bVersion) {
        std::fputs(options->bHelp ? SimUsage().c_str() : "quendix-sim " QUENDIX_VERSION "\n",
                   stdout);
        return 0;
    }
    ReplayLog replay;
    if (!options->strReplayLog.empty()) {
        auto loaded = ReplayLog::Load(options->strReplayLog);
        if (!loaded) {
            std::fprintf(stderr, "quendix-sim: no telegrams in %s\n",
                         options->strReplayLog.c_str());
            return 2;
        }
        replay = std::move(*loaded);
    }
    auto endpoint = OpenEndpoint(*options);
    if (!endpoint || !InstallStopSignals())
        return 2;
    const bool bLinked = !options->strLink.empty();
    if (bLinked && !MakeLink(options->strLink, endpoint->Path()))
        return 2;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%s\n", endpoint->Path().c_str());
    SimLoop loop(*options, Scenario(*options, std::move(replay)), *endpoint, g_stopPipe[0]);
    const int status = loop.Run();
    if (bLinked)
        unlink(options->strLink.c_str());
    return status;
}
