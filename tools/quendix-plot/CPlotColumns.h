#pragma once
// The log reduced to what the picture's pixel columns can show, in a second pass over it: for
// each drawn transponder the first, lowest, highest and last range of a column and the times of
// the first and last; the columns with a "-NO REPLY-" or with a reply that held no range; the
// steering cues counted per column; and the silences, where no line came for more than two
// periods. Memory grows with the columns, never with the log.

#include "CTimeScale.h"
#include "LogLine.h"
#include "ReplyReading.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct RangeColumn {
    bool bUsed = false;
    double dFirstMs = 0;
    double dLowMs = 0;
    double dHighMs = 0;
    double dLastMs = 0;
    std::int64_t nFirstSeconds = 0;
    std::int64_t nLastSeconds = 0;
};

class CPlotColumns {
public:
    CPlotColumns(const CTimeScale& scale, std::vector<int> transponders, int nPeriodSeconds);

    void Add(const LogLine& line, const ReplyReading& reply);

    const CTimeScale& Scale() const { return m_scale; }
    // The transponders drawn, in the order given.
    const std::vector<int>& Transponders() const { return m_transponders; }
    // The columns of the transponder at that place in the list.
    const std::vector<RangeColumn>& Ranges(std::size_t nTransponder) const;
    // Whether the line runs on from one used column to the next: ranges no more than two
    // periods apart.
    bool Joined(const RangeColumn& before, const RangeColumn& after) const {
        return Joined(before.nLastSeconds, after.nFirstSeconds);
    }
    bool HasNoReply(int column) const { return m_marks[Index(column)] & NO_REPLY; }
    bool HasNoRange(int column) const { return m_marks[Index(column)] & NO_RANGE; }
    // For each column, the cue the unit gave most often in it; a column without a range keeps
    // the cue before it while the ranges on either side are no more than two periods apart.
    std::vector<std::optional<int>> CueStrip() const;
    // For each column, whether it lies inside a silence.
    std::vector<bool> SilentColumns() const;

private:
    static constexpr std::uint8_t NO_REPLY = 1;
    static constexpr std::uint8_t NO_RANGE = 2;

    static std::size_t Index(int column) { return static_cast<std::size_t>(column); }
    bool Joined(std::int64_t nBefore, std::int64_t nAfter) const {
        return nAfter - nBefore <= m_nGapSeconds;
    }
    void AddRange(std::size_t nTransponder, int column, const LogLine& line);
    void AddCue(int column, int nDirection, std::int64_t nSeconds);
    void NoteSilence(std::int64_t nSeconds);
    // Lets the cue of column from stand in the columns after it, up to column next at most.
    void HoldCue(std::vector<std::optional<int>>& strip, std::size_t from, std::size_t next) const;

    CTimeScale m_scale;
    std::vector<int> m_transponders;
    std::int64_t m_nGapSeconds;
    std::vector<std::vector<RangeColumn>> m_ranges;
    std::vector<std::uint8_t> m_marks;
    // Cues counted by direction code, and the times of the first and last.
    struct CueColumn {
        std::array<std::uint32_t, 4> counts{};
        std::int64_t nFirstSeconds = 0;
        std::int64_t nLastSeconds = 0;
    };
    std::vector<CueColumn> m_cues;
    // +1 in the first column of a silence, -1 in the column after its last.
    std::vector<int> m_silenceEdges;
    std::optional<std::int64_t> m_nPreviousSeconds;
};
