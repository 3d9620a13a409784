#pragma once
// Time across the plot's pixel columns: the first time in column 0, the last in the last.

#include <cstdint>

class CTimeScale {
public:
    CTimeScale(std::int64_t nFirst, std::int64_t nLast, int nColumns);

    // The column a time falls in; times outside the span fall in the first or last column.
    int Column(std::int64_t nSeconds) const;
    // Where a time lies in columns, unrounded.
    double Position(std::int64_t nSeconds) const;

    std::int64_t First() const { return m_nFirst; }
    std::int64_t Last() const { return m_nLast; }
    int Columns() const { return m_nColumns; }

private:
    std::int64_t m_nFirst;
    std::int64_t m_nLast;
    int m_nColumns;
};
