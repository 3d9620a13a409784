#include "CLogSummary.h"

#include <algorithm>

void CLogSummary::Add(const LogLine& line, const ReplyReading& reply) {
    ++m_nReplies;
    m_nFirst = std::min(m_nFirst, line.nSeconds);
    m_nLast = std::max(m_nLast, line.nSeconds);
    if (reply.kind == ReplyKind::NoReply)
        ++m_nNoReplies;
    if (reply.kind == ReplyKind::Range) {
        if (!m_closest || line.dRangeMs < m_closest->dMs)
            m_closest = ClosestRange{line.dRangeMs, line.nSeconds, line.nTpdrNo};
        m_dLongestMs = std::max(m_dLongestMs, line.dRangeMs);
    }
    Transponder& transponder = m_transponders[line.nTpdrNo];
    if (transponder.nReplies++ > 0)
        CountInterval(line.nSeconds - transponder.nLastSeconds);
    transponder.nLastSeconds = line.nSeconds;
}

void CLogSummary::CountInterval(std::int64_t nSeconds) {
    // A clock set back gives no interval to go by.
    if (nSeconds < 0)
        return;
    ++m_intervals[static_cast<std::size_t>(std::min<std::int64_t>(nSeconds, INTERVAL_SLOTS - 1))];
}

std::optional<std::pair<double, double>> CLogSummary::RangeSpan() const {
    if (!m_closest)
        return std::nullopt;
    return std::pair(m_closest->dMs, m_dLongestMs);
}

std::vector<int> CLogSummary::Transponders() const {
    std::vector<std::pair<std::size_t, int>> byReplies;
    for (const auto& [number, transponder] : m_transponders)
        byReplies.emplace_back(transponder.nReplies, number);
    std::stable_sort(byReplies.begin(), byReplies.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> numbers;
    for (const auto& entry : byReplies)
        numbers.push_back(entry.second);
    return numbers;
}

// The commonest interval stands even when the unit was silent half the time.
int CLogSummary::PeriodSeconds() const {
    const auto commonest = std::max_element(m_intervals.begin(), m_intervals.end());
    return std::max(1, static_cast<int>(commonest - m_intervals.begin()));
}
