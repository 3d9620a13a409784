#pragma once
// What the simulated unit answers: the scripted approach with its chances, or a replayed log.

#include "ReplayLog.h"
#include "SimOptions.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>

class Scenario {
public:
    // replay is used when the options name a log.
    Scenario(const SimOptions& options, ReplayLog replay);

    // The telegram (without its line end) that answers an interrogation of the transponder,
    // dSeconds after the start; nothing when the unit stays silent. The chances are drawn in
    // the same order whatever comes out, so a seed always gives the same run.
    std::optional<std::string> Answer(unsigned nTpdr, double dSeconds);
    // A well-formed telegram of the approach at that moment.
    std::string Telegram(double dSeconds) const;

private:
    double Chance();
    std::string Malformed(double dSeconds);
    double Range(double dSeconds) const;
    std::string Cue(double dSeconds) const;
    bool Answers(unsigned nTpdr) const;

    SimOptions m_options;
    ReplayLog m_replay;
    std::mt19937 m_random;
};
