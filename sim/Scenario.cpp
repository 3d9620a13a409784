#include "Scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* const NO_REPLY = "$-NO REPLY-";

std::string FormatRange(double dRange) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", dRange);
    return text;
}

} // namespace

Scenario::Scenario(const SimOptions& options, ReplayLog replay)
    : m_options(options), m_replay(std::move(replay)), m_random(options.nSeed) {}

double Scenario::Chance() {
    return static_cast<double>(m_random()) / 4294967296.0;
}

bool Scenario::Answers(unsigned nTpdr) const {
    const auto& tpdrs = m_options.answeredTpdrs;
    return std::find(tpdrs.begin(), tpdrs.end(), nTpdr) != tpdrs.end();
}

std::optional<std::string> Scenario::Answer(unsigned nTpdr, double dSeconds) {
    const bool bSilent = Chance() < m_options.dSilenceRate;
    const bool bNoReply = Chance() < m_options.dNoReplyRate;
    const bool bGarbage = Chance() < m_options.dGarbageRate;
    const bool bUnsure = Chance() < m_options.dUnsureRate;
    const std::string malformed = Malformed(dSeconds);
    if (bSilent)
        return std::nullopt;
    if (!m_options.strReplayLog.empty())
        return m_replay.Next();
    if (bNoReply || !Answers(nTpdr))
        return NO_REPLY;
    if (bGarbage)
        return malformed;
    if (bUnsure)
        return "$" + FormatRange(Range(dSeconds)) + " ??";
    return Telegram(dSeconds);
}

std::string Scenario::Telegram(double dSeconds) const {
    return "$" + FormatRange(Range(dSeconds)) + " " + Cue(dSeconds);
}

double Scenario::Range(double dSeconds) const {
    return std::max(0.0, m_options.dStartRange - m_options.dSpeed * dSeconds);
}

std::string Scenario::Cue(double dSeconds) const {
    const double dBearing = m_options.dBearing + m_options.dDrift * dSeconds;
    if (std::fabs(dBearing) <= m_options.dAheadWithin)
        return "^^^^";
    return dBearing < 0 ? "<<--" : "-->>";
}

std::string Scenario::Malformed(double dSeconds) {
    const std::string good = Telegram(dSeconds);
    const auto form = m_random() % 4;
    const auto cut = 1 + m_random() % (good.size() - 1);
    switch (form) {
    case 0: // the cue is missing
        return good.substr(0, good.find(' '));
    case 1: // the "$" is missing
        return good.substr(1);
    case 2: // cut short
        return good.substr(0, cut);
    default: { // line noise
        std::string noise;
        for (std::size_t i = 0; i < cut + 4; ++i)
            noise += static_cast<char>(0x21 + m_random() % 0x5E);
        return noise;
    }
    }
}
