#pragma once
// The simulator's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SimOptions {
    // A real serial device instead of a pseudo-terminal.
    std::string strDevice;
    int nBaud = 4800;
    // A symlink to make to the pseudo-terminal's slave.
    std::string strLink;
    std::vector<unsigned> answeredTpdrs{10};
    int nDelayMs = 100;
    // The scripted approach: range in metres, closing speed in m/s, bearing and its drift in
    // degrees and degrees per second; the cue is "^^^^" within dAheadWithin of zero.
    double dStartRange = 500.0;
    double dSpeed = 1.5;
    double dBearing = 20.0;
    double dDrift = -2.0;
    double dAheadWithin = 3.0;
    // Chances per interrogation, 0 to 1.
    double dNoReplyRate = 0.0;
    double dGarbageRate = 0.0;
    double dSilenceRate = 0.0;
    double dUnsureRate = 0.0;
    std::uint32_t nSeed = 1;
    std::string strReplayLog;
    // Telegrams per second sent unasked; 0 for none.
    double dFloodRate = 0.0;
    bool bHelp = false;
    bool bVersion = false;
};

// The options, or nothing with error set to a one-line reason.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// Qt's help text of the options.
std::string SimUsage();
