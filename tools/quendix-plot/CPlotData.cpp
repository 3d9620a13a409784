#include "CPlotData.h"

#include "DecodeTelegram.h"
#include "NumberText.h"
#include "QuendixCodes.h"

#include <algorithm>
#include <cmath>

namespace {

const std::string SEPARATOR = "  \u00b7  ";
// A damaged log may name any number of transponders.
constexpr std::size_t NAMED_TRANSPONDERS = 8;

enum class ReplyKind { Range, NoReply, NoRange };

// What a logged reply puts in the picture, decoded as the display decoded it: a range with its
// steering cue only where the display showed one, a "-NO REPLY-" report, or neither (the
// display showed "COMMS ERR").
std::pair<ReplyKind, int> ReadReply(const LogLine& line) {
    const TelegramReading telegram = DecodeTelegram(line.telegram);
    if (telegram.nStatus == STAT_NO_REPLY)
        return {ReplyKind::NoReply, DIR_UNDETERMINED};
    // A sound speed of 0 logs a range that is no number.
    if (telegram.nStatus == STAT_OK && std::isfinite(line.dRangeMs))
        return {ReplyKind::Range, telegram.nDirection};
    return {ReplyKind::NoRange, DIR_UNDETERMINED};
}

std::string Counted(std::size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string TransponderList(const std::vector<int>& transponders) {
    std::string list = transponders.size() == 1 ? "Tpdr " : "Tpdrs ";
    for (std::size_t i = 0; i < std::min(NAMED_TRANSPONDERS, transponders.size()); ++i)
        list += (i > 0 ? ", " : "") + std::to_string(transponders[i]);
    if (transponders.size() > NAMED_TRANSPONDERS)
        list += " and " + std::to_string(transponders.size() - NAMED_TRANSPONDERS) + " more";
    return list;
}

} // namespace

void CPlotData::Survey(const LogLine& line) {
    const auto [kind, direction] = ReadReply(line);
    ++m_nReplies;
    m_nFirstReply = std::min(m_nFirstReply, line.nSeconds);
    m_nLastReply = std::max(m_nLastReply, line.nSeconds);
    if (kind == ReplyKind::NoReply)
        ++m_nNoReplies;
    if (kind == ReplyKind::Range) {
        if (!m_closest || line.dRangeMs < m_closest->dMs)
            m_closest = Closest{line.dRangeMs, line.nSeconds, line.nTpdrNo};
        m_dLongestMs = std::max(m_dLongestMs, line.dRangeMs);
    }
    Transponder& transponder = m_transponders[line.nTpdrNo];
    const std::int64_t interval = line.nSeconds - transponder.nLastSeconds;
    // A clock set back gives no interval to go by.
    if (transponder.nReplies++ > 0 && interval >= 0)
        ++m_intervals[static_cast<std::size_t>(
            std::min<std::int64_t>(interval, INTERVAL_SLOTS - 1))];
    transponder.nLastSeconds = line.nSeconds;
}

std::optional<std::pair<double, double>> CPlotData::RangeSpan() const {
    if (!m_closest)
        return std::nullopt;
    return std::pair(m_closest->dMs, m_dLongestMs);
}

std::vector<int> CPlotData::Transponders() const {
    std::vector<int> numbers;
    for (const auto& entry : m_transponders)
        numbers.push_back(entry.first);
    std::stable_sort(numbers.begin(), numbers.end(), [this](int a, int b) {
        return m_transponders.at(a).nReplies > m_transponders.at(b).nReplies;
    });
    return numbers;
}

// The commonest interval stands even when the unit was silent half the time.
int CPlotData::PeriodSeconds() const {
    const auto commonest = std::max_element(m_intervals.begin(), m_intervals.end());
    return std::max(1, static_cast<int>(commonest - m_intervals.begin()));
}

std::string CPlotData::Title(const PlotUnits& units, std::size_t nSkipped) const {
    const double noReplyShare =
        100.0 * static_cast<double>(m_nNoReplies) / static_cast<double>(m_nReplies);
    std::string title = TransponderList(Transponders()) + SEPARATOR +
                        FormatLogTime(m_nFirstReply).Joined(" ") + " to " +
                        FormatLogTime(m_nLastReply).Joined(" ") + SEPARATOR +
                        Counted(m_nReplies, "reply", "replies") + SEPARATOR + "-NO REPLY- " +
                        FormatFixed(noReplyShare, 1) + "%" + SEPARATOR;
    if (!m_closest)
        title += "no range";
    else
        title += "closest " + FormatFixed(units.FromMilliseconds(m_closest->dMs), 1) + " " +
                 std::string(units.units.abbrev) + " at " +
                 FormatLogTime(m_closest->nSeconds).Joined(" ");
    if (m_closest && m_transponders.size() > 1)
        title += " (Tpdr " + std::to_string(m_closest->nTpdrNo) + ")";
    if (nSkipped > 0)
        title += SEPARATOR + Counted(nSkipped, "line", "lines") + " skipped";
    return title;
}

void CPlotData::SetColumns(const TimeWindow& window, int nColumns, std::vector<int> drawn) {
    m_nFirst = window.nFrom.value_or(m_nFirstReply);
    m_nLast = std::max(window.nTo.value_or(m_nLastReply), m_nFirst + 1);
    m_nColumns = std::max(nColumns, 2);
    m_drawn = std::move(drawn);
    m_nGapSeconds = 2 * static_cast<std::int64_t>(PeriodSeconds());
    m_ranges.assign(m_drawn.size(), std::vector<RangeColumn>(Index(m_nColumns)));
    m_cues.assign(Index(m_nColumns), {});
    m_silenceEdges.assign(Index(m_nColumns) + 1, 0);
}

double CPlotData::Position(std::int64_t nSeconds) const {
    return static_cast<double>(nSeconds - m_nFirst) * (m_nColumns - 1) /
           static_cast<double>(m_nLast - m_nFirst);
}

int CPlotData::Column(std::int64_t nSeconds) const {
    const double column = std::round(Position(nSeconds));
    return static_cast<int>(std::clamp(column, 0.0, static_cast<double>(m_nColumns - 1)));
}

// The columns strictly between two lines more than two periods apart are silent.
void CPlotData::Reduce(const LogLine& line) {
    const auto [kind, direction] = ReadReply(line);
    if (m_nPreviousSeconds && !Joined(*m_nPreviousSeconds, line.nSeconds)) {
        const int first = Column(*m_nPreviousSeconds) + 1;
        const int last = Column(line.nSeconds) - 1;
        if (first <= last) {
            ++m_silenceEdges[Index(first)];
            --m_silenceEdges[Index(last) + 1];
        }
    }
    m_nPreviousSeconds = line.nSeconds;
    const std::size_t column = Index(Column(line.nSeconds));
    const auto drawn = std::find(m_drawn.begin(), m_drawn.end(), line.nTpdrNo);
    RangeColumn* range = drawn == m_drawn.end()
                             ? nullptr
                             : &m_ranges[static_cast<std::size_t>(drawn - m_drawn.begin())][column];
    if (kind != ReplyKind::Range) {
        if (range)
            range->nMarks |=
                kind == ReplyKind::NoReply ? RangeColumn::NO_REPLY : RangeColumn::NO_RANGE;
        return;
    }
    CueColumn& cues = m_cues[column];
    if (cues.counts == std::array<std::uint32_t, 4>{})
        cues.nFirstSeconds = line.nSeconds;
    ++cues.counts[static_cast<std::size_t>(direction)];
    cues.nLastSeconds = line.nSeconds;
    if (!range)
        return;
    const double ms = line.dRangeMs;
    if (!range->bUsed) {
        range->bUsed = true;
        range->dFirstMs = range->dLowMs = range->dHighMs = ms;
        range->nFirstSeconds = line.nSeconds;
    }
    range->dLowMs = std::min(range->dLowMs, ms);
    range->dHighMs = std::max(range->dHighMs, ms);
    range->dLastMs = ms;
    range->nLastSeconds = line.nSeconds;
}

// A cue stands until the next range replaces it, or for a period when none comes in time.
std::vector<std::optional<int>> CPlotData::CueStrip() const {
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

void CPlotData::HoldCue(std::vector<std::optional<int>>& strip, std::size_t from,
                        std::size_t next) const {
    const std::int64_t nLastSeconds = m_cues[from].nLastSeconds;
    std::size_t end = next;
    if (next == strip.size() || !Joined(nLastSeconds, m_cues[next].nFirstSeconds))
        end = std::min(next, Index(Column(nLastSeconds + m_nGapSeconds / 2)) + 1);
    for (std::size_t column = from + 1; column < end; ++column)
        strip[column] = strip[from];
}

std::vector<bool> CPlotData::SilentColumns() const {
    std::vector<bool> silent(m_cues.size());
    int depth = 0;
    for (std::size_t column = 0; column < silent.size(); ++column) {
        depth += m_silenceEdges[column];
        silent[column] = depth > 0;
    }
    return silent;
}
