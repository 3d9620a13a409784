#pragma once
// Tells each change of the link's state once, on the "quendix.link" category: the window
// reconnects at every interrogation tick while the link is down, and a minute of ticks with the
// unit unplugged is one line, not sixty. A lost device that stays away is the same story as its
// loss; when the link works again, the line says after how long it did not.

#include "LinkState.h"

#include <chrono>
#include <optional>
#include <string>

class PortDiagnosis;

class CLinkMonitor {
public:
    using Clock = std::chrono::steady_clock;

    explicit CLinkMonitor(const PortDiagnosis& diagnosis) : m_diagnosis(diagnosis) {}

    // The state in words when it is news, after its line went out; nothing otherwise.
    std::optional<std::string> Note(const LinkState& state, Clock::time_point now);

private:
    bool IsNews(const LinkState& state) const;

    const PortDiagnosis& m_diagnosis;
    std::optional<LinkState> m_told;
    // Since when the link does not work, after it did, until it works again.
    std::optional<Clock::time_point> m_awaySince;
};
