#include "CTimeScale.h"

#include <algorithm>
#include <cmath>

CTimeScale::CTimeScale(std::int64_t nFirst, std::int64_t nLast, int nColumns)
    : m_nFirst(nFirst), m_nLast(std::max(nLast, nFirst + 1)), m_nColumns(std::max(nColumns, 2)) {}

int CTimeScale::Column(std::int64_t nSeconds) const {
    const double column = std::round(Position(nSeconds));
    return static_cast<int>(std::clamp(column, 0.0, static_cast<double>(m_nColumns - 1)));
}

double CTimeScale::Position(std::int64_t nSeconds) const {
    return static_cast<double>(nSeconds - m_nFirst) * (m_nColumns - 1) /
           static_cast<double>(m_nLast - m_nFirst);
}
