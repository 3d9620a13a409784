#include "CPlotColumns.h"

#include <algorithm>

CPlotColumns::CPlotColumns(const CTimeScale& scale, std::vector<int> transponders,
                           int nPeriodSeconds)
    : m_scale(scale), m_transponders(std::move(transponders)),
      m_nGapSeconds(2 * static_cast<std::int64_t>(nPeriodSeconds)),
      m_ranges(m_transponders.size(), std::vector<RangeColumn>(Index(scale.Columns()))),
      m_marks(Index(scale.Columns())), m_cues(Index(scale.Columns())),
      m_silenceEdges(Index(scale.Columns()) + 1) {}

void CPlotColumns::Add(const LogLine& line, const ReplyReading& reply) {
    NoteSilence(line.nSeconds);
    const int column = m_scale.Column(line.nSeconds);
    switch (reply.kind) {
    case ReplyKind::NoReply:
        m_marks[Index(column)] |= NO_REPLY;
        return;
    case ReplyKind::NoRange:
        m_marks[Index(column)] |= NO_RANGE;
        return;
    case ReplyKind::Range:
        AddCue(column, reply.nDirection, line.nSeconds);
        const auto drawn = std::find(m_transponders.begin(), m_transponders.end(), line.nTpdrNo);
        if (drawn != m_transponders.end())
            AddRange(static_cast<std::size_t>(drawn - m_transponders.begin()), column, line);
        return;
    }
}

void CPlotColumns::AddRange(std::size_t nTransponder, int column, const LogLine& line) {
    RangeColumn& range = m_ranges[nTransponder][Index(column)];
    const double ms = line.dRangeMs;
    if (!range.bUsed) {
        range = RangeColumn{true, ms, ms, ms, ms, line.nSeconds, line.nSeconds};
        return;
    }
    range.dLowMs = std::min(range.dLowMs, ms);
    range.dHighMs = std::max(range.dHighMs, ms);
    range.dLastMs = ms;
    range.nLastSeconds = line.nSeconds;
}

void CPlotColumns::AddCue(int column, int nDirection, std::int64_t nSeconds) {
    CueColumn& cues = m_cues[Index(column)];
    const bool bFirst = cues.counts == std::array<std::uint32_t, 4>{};
    ++cues.counts[static_cast<std::size_t>(nDirection)];
    if (bFirst)
        cues.nFirstSeconds = nSeconds;
    cues.nLastSeconds = nSeconds;
}

// The columns strictly between two lines more than two periods apart are silent.
void CPlotColumns::NoteSilence(std::int64_t nSeconds) {
    if (m_nPreviousSeconds && nSeconds - *m_nPreviousSeconds > m_nGapSeconds) {
        const int first = m_scale.Column(*m_nPreviousSeconds) + 1;
        const int last = m_scale.Column(nSeconds) - 1;
        if (first <= last) {
            ++m_silenceEdges[Index(first)];
            --m_silenceEdges[Index(last) + 1];
        }
    }
    m_nPreviousSeconds = nSeconds;
}

const std::vector<RangeColumn>& CPlotColumns::Ranges(std::size_t nTransponder) const {
    return m_ranges[nTransponder];
}

// A cue stands until the next range replaces it, or for a period when none comes in time.
std::vector<std::optional<int>> CPlotColumns::CueStrip() const {
    std::vector<std::optional<int>> strip(m_cues.size());
    std::optional<std::size_t> previous;
    for (std::size_t column = 0; column < m_cues.size(); ++column) {
        const auto& counts = m_cues[column].counts;
        const auto most = std::max_element(counts.begin(), counts.end());
        if (*most == 0)
            continue;
        if (previous)
            HoldCue(strip, *previous, column);
        strip[column] = static_cast<int>(most - counts.begin());
        previous = column;
    }
    if (previous)
        HoldCue(strip, *previous, strip.size());
    return strip;
}

void CPlotColumns::HoldCue(std::vector<std::optional<int>>& strip, std::size_t from,
                           std::size_t next) const {
    const std::int64_t nLastSeconds = m_cues[from].nLastSeconds;
    std::size_t end = next;
    if (next == strip.size() || !Joined(nLastSeconds, m_cues[next].nFirstSeconds))
        end = std::min(next, Index(m_scale.Column(nLastSeconds + m_nGapSeconds / 2)) + 1);
    for (std::size_t column = from + 1; column < end; ++column)
        strip[column] = strip[from];
}

std::vector<bool> CPlotColumns::SilentColumns() const {
    std::vector<bool> silent(m_marks.size());
    int depth = 0;
    for (std::size_t column = 0; column < silent.size(); ++column) {
        depth += m_silenceEdges[column];
        silent[column] = depth > 0;
    }
    return silent;
}
