#include "CLinkMonitor.h"

#include "LinkCategory.h"
#include "PortDiagnosis.h"

using Cause = LinkState::Cause;

namespace {

bool IsWorking(const LinkState& state) {
    return state.cause == Cause::Connected || state.cause == Cause::NoComPort;
}

} // namespace

std::optional<std::string> CLinkMonitor::Note(const LinkState& state, Clock::time_point now) {
    if (!IsNews(state))
        return std::nullopt;
    std::string text = m_diagnosis.Describe(state);
    if (!IsWorking(state) && m_told && IsWorking(*m_told)) {
        m_awaySince = now;
    } else if (IsWorking(state) && m_awaySince) {
        const auto away = std::chrono::duration_cast<std::chrono::seconds>(now - *m_awaySince);
        text += "; reconnected after " + std::to_string(away.count()) + " s";
        m_awaySince.reset();
    }
    if (state.cause == Cause::Connected)
        qCInfo(lcLink, "%s", text.c_str());
    else
        qCWarning(lcLink, "%s", text.c_str());
    m_told = state;
    return text;
}

// A connection under way is no news: it ends in one, and a server that stays away would make
// two lines of every reconnection.
bool CLinkMonitor::IsNews(const LinkState& state) const {
    if (state.cause == Cause::Connecting)
        return false;
    if (!m_told)
        return true;
    const bool bStillAway = m_told->cause == Cause::Lost && state.cause == Cause::NoDevice &&
                            state.port == m_told->port && state.device == m_told->device;
    return !bStillAway && !(state == *m_told);
}
