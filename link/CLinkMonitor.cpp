#include "CLinkMonitor.h"

#include "LinkCategory.h"
#include "PortDiagnosis.h"

using Cause = LinkState::Cause;

std::optional<std::string> CLinkMonitor::Note(const LinkState& state, Clock::time_point now) {
    if (!IsNews(state))
        return std::nullopt;
    std::string text = m_diagnosis.Describe(state);
    if (state.cause == Cause::Lost) {
        m_lostAt = now;
    } else if (state.cause == Cause::Connected && m_lostAt) {
        const auto away = std::chrono::duration_cast<std::chrono::seconds>(now - *m_lostAt);
        text += "; reconnected after " + std::to_string(away.count()) + " s";
        m_lostAt.reset();
    }
    if (state.cause == Cause::Connected)
        qCInfo(lcLink, "%s", text.c_str());
    else
        qCWarning(lcLink, "%s", text.c_str());
    m_told = state;
    return text;
}

bool CLinkMonitor::IsNews(const LinkState& state) const {
    if (!m_told)
        return true;
    const bool bStillAway = m_told->cause == Cause::Lost && state.cause == Cause::NoDevice &&
                            state.port == m_told->port && state.device == m_told->device;
    return !bStillAway && !(state == *m_told);
}
