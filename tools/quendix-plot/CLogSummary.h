#pragma once
// The figures of the replies in the window, gathered in a first pass over the log: the time
// span, the counts, the closest range, the span of the ranges, the transponders, and the
// interrogation period as the intervals between a transponder's lines show it (the log does
// not record the period).

#include "LogLine.h"
#include "ReplyReading.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <vector>

struct ClosestRange {
    double dMs;
    std::int64_t nSeconds;
    int nTpdrNo;
};

class CLogSummary {
public:
    void Add(const LogLine& line, const ReplyReading& reply);

    std::size_t Replies() const { return m_nReplies; }
    std::size_t NoReplies() const { return m_nNoReplies; }
    std::int64_t First() const { return m_nFirst; }
    std::int64_t Last() const { return m_nLast; }
    const std::optional<ClosestRange>& Closest() const { return m_closest; }
    // The span of the ranges in milliseconds; nothing without a range.
    std::optional<std::pair<double, double>> RangeSpan() const;
    // The transponders, most replies first.
    std::vector<int> Transponders() const;
    // The commonest interval between two lines of a transponder, at least a second.
    int PeriodSeconds() const;

private:
    struct Transponder {
        std::size_t nReplies = 0;
        std::int64_t nLastSeconds = 0;
    };
    // Intervals up to an hour by their seconds; the last counts every longer one.
    static constexpr std::size_t INTERVAL_SLOTS = 3602;

    void CountInterval(std::int64_t nSeconds);

    std::size_t m_nReplies = 0;
    std::size_t m_nNoReplies = 0;
    std::int64_t m_nFirst = std::numeric_limits<std::int64_t>::max();
    std::int64_t m_nLast = std::numeric_limits<std::int64_t>::min();
    std::optional<ClosestRange> m_closest;
    double m_dLongestMs = -std::numeric_limits<double>::infinity();
    std::map<int, Transponder> m_transponders;
    std::array<std::size_t, INTERVAL_SLOTS> m_intervals{};
};
