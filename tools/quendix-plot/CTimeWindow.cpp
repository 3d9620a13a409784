#include "CTimeWindow.h"

namespace {

constexpr std::int64_t SECONDS_PER_DAY = 86400;

std::int64_t Place(const TimeBound& bound, std::int64_t nNotBefore) {
    if (bound.nAt)
        return *bound.nAt;
    const std::int64_t midnight =
        nNotBefore - (nNotBefore % SECONDS_PER_DAY + SECONDS_PER_DAY) % SECONDS_PER_DAY;
    const std::int64_t at = midnight + bound.nTimeOfDay;
    return at >= nNotBefore ? at : at + SECONDS_PER_DAY;
}

} // namespace

CTimeWindow::CTimeWindow(std::optional<TimeBound> from, std::optional<TimeBound> to)
    : m_from(from), m_to(to) {}

void CTimeWindow::Anchor(std::int64_t nFirstLine) {
    if (m_bAnchored)
        return;
    m_bAnchored = true;
    if (m_from)
        m_nFrom = Place(*m_from, nFirstLine);
    if (m_to)
        m_nTo = Place(*m_to, m_nFrom.value_or(nFirstLine));
}

bool CTimeWindow::Contains(std::int64_t nSeconds) const {
    return (!m_nFrom || nSeconds >= *m_nFrom) && (!m_nTo || nSeconds <= *m_nTo);
}
