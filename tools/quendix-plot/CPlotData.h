#pragma once
// The log reduced to what its picture shows, in two passes over the lines in the window.
// The first gathers the figures of the replies: the time span, the counts, the closest range,
// the span of the ranges, the transponders, and the interrogation period as the intervals
// between a transponder's lines show it (the log does not record the period). The second
// reduces the lines to the picture's pixel columns: for each drawn transponder the first,
// lowest, highest and last range of a column and the times of the first and last, and whether
// it said "-NO REPLY-" or gave a reply without range there; the steering cues counted per column;
// and the silences, where no line came for more than two periods. Memory grows with the
// columns and the transponders, never with the log.

#include "LogLine.h"
#include "PlotOptions.h"

#include <array>
#include <limits>
#include <map>

struct RangeColumn {
    static constexpr std::uint8_t NO_REPLY = 1, NO_RANGE = 2;

    // A range is in the column.
    bool bUsed = false;
    // The replies without range in the column: NO_REPLY for "-NO REPLY-", NO_RANGE for the
    // others (the display showed "COMMS ERR").
    std::uint8_t nMarks = 0;
    double dFirstMs = 0, dLowMs = 0, dHighMs = 0, dLastMs = 0;
    std::int64_t nFirstSeconds = 0, nLastSeconds = 0;
};

class CPlotData {
public:
    // The first pass.
    void Survey(const LogLine& line);

    std::size_t Replies() const { return m_nReplies; }
    // The span of the ranges in milliseconds; nothing without a range.
    std::optional<std::pair<double, double>> RangeSpan() const;
    // The transponders, most replies first.
    std::vector<int> Transponders() const;
    // The commonest interval between two lines of a transponder, at least a second.
    int PeriodSeconds() const;
    // The transponders, the first and last time, the replies, the share of "-NO REPLY-", the
    // closest range and when, and the lines skipped as unreadable.
    std::string Title(const PlotUnits& units, std::size_t nSkipped) const;

    // After the first pass: the window's time (or the replies' where it is open) across
    // nColumns, the first time in column 0, the last in the last; and the transponders drawn.
    void SetColumns(const TimeWindow& window, int nColumns, std::vector<int> drawn);
    // The second pass.
    void Reduce(const LogLine& line);

    std::int64_t First() const { return m_nFirst; }
    std::int64_t Last() const { return m_nLast; }
    int Columns() const { return m_nColumns; }
    // Where a time lies in columns, unrounded.
    double Position(std::int64_t nSeconds) const;
    // The transponders drawn, in the order given, and the columns of each.
    const std::vector<int>& Drawn() const { return m_drawn; }
    const std::vector<RangeColumn>& Ranges(std::size_t nDrawn) const { return m_ranges[nDrawn]; }
    // Whether the line runs on between two ranges: no more than two periods apart.
    bool Joined(std::int64_t nBefore, std::int64_t nAfter) const {
        return nAfter - nBefore <= m_nGapSeconds;
    }
    // For each column, the cue the unit gave most often in it; a column without a range keeps
    // the cue before it while the ranges on either side are no more than two periods apart.
    std::vector<std::optional<int>> CueStrip() const;
    // For each column, whether it lies inside a silence.
    std::vector<bool> SilentColumns() const;

private:
    struct Transponder {
        std::size_t nReplies = 0;
        std::int64_t nLastSeconds = 0;
    };
    struct Closest {
        double dMs;
        std::int64_t nSeconds;
        int nTpdrNo;
    };
    // Intervals up to an hour by their seconds; the last counts every longer one.
    static constexpr std::size_t INTERVAL_SLOTS = 3602;
    // Cues counted by direction code, and the times of the first and last.
    struct CueColumn {
        std::array<std::uint32_t, 4> counts{};
        std::int64_t nFirstSeconds = 0, nLastSeconds = 0;
    };

    static std::size_t Index(int column) { return static_cast<std::size_t>(column); }
    // The column a time falls in; times outside the span fall in the first or last column.
    int Column(std::int64_t nSeconds) const;
    // Lets the cue of column from stand in the columns after it, up to column next at most.
    void HoldCue(std::vector<std::optional<int>>& strip, std::size_t from, std::size_t next) const;

    std::size_t m_nReplies = 0, m_nNoReplies = 0;
    std::int64_t m_nFirstReply = std::numeric_limits<std::int64_t>::max();
    std::int64_t m_nLastReply = std::numeric_limits<std::int64_t>::min();
    std::optional<Closest> m_closest;
    double m_dLongestMs = -std::numeric_limits<double>::infinity();
    std::map<int, Transponder> m_transponders;
    std::array<std::size_t, INTERVAL_SLOTS> m_intervals{};

    std::int64_t m_nFirst = 0, m_nLast = 0;
    int m_nColumns = 0;
    std::vector<int> m_drawn;
    std::int64_t m_nGapSeconds = 0;
    std::vector<std::vector<RangeColumn>> m_ranges;
    std::vector<CueColumn> m_cues;
    // +1 in the first column of a silence, -1 in the column after its last.
    std::vector<int> m_silenceEdges;
    std::optional<std::int64_t> m_nPreviousSeconds;
};
