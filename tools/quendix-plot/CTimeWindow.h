#pragma once
// The part of a log to draw. A time of day alone is placed at its first occurrence once the
// log's first line is known.

#include "PlotOptions.h"

#include <cstdint>
#include <optional>

class CTimeWindow {
public:
    CTimeWindow(std::optional<TimeBound> from, std::optional<TimeBound> to);

    // Only the first call counts: the time of the log's first line.
    void Anchor(std::int64_t nFirstLine);
    bool Contains(std::int64_t nSeconds) const;
    // A window that ends before it begins holds nothing.
    bool IsReversed() const { return m_nFrom && m_nTo && *m_nFrom > *m_nTo; }

    std::optional<std::int64_t> From() const { return m_nFrom; }
    std::optional<std::int64_t> To() const { return m_nTo; }

private:
    std::optional<TimeBound> m_from;
    std::optional<TimeBound> m_to;
    bool m_bAnchored = false;
    std::optional<std::int64_t> m_nFrom;
    std::optional<std::int64_t> m_nTo;
};
