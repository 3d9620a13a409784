#include "ReplayLog.h"

#include "ReadDataLog.h"

std::optional<ReplayLog> ReplayLog::Load(const std::string& strPath) {
    ReplayLog log;
    const auto counts = ReadDataLog(
        strPath, [&](const LogLine& line) { log.m_telegrams.emplace_back(line.telegram); });
    if (!counts || log.m_telegrams.empty())
        return std::nullopt;
    return log;
}

std::string ReplayLog::Next() {
    if (m_telegrams.empty())
        return {};
    std::string telegram = m_telegrams[m_nNext];
    m_nNext = (m_nNext + 1) % m_telegrams.size();
    return telegram;
}
