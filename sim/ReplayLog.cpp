#include "ReplayLog.h"

#include <fstream>

namespace {

const std::string MARKER = "TelGrm:";

} // namespace

std::optional<ReplayLog> ReplayLog::Load(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        return std::nullopt;
    ReplayLog log;
    std::string line;
    while (std::getline(file, line)) {
        const auto marker = line.find(MARKER);
        if (marker == std::string::npos)
            continue;
        std::string telegram = line.substr(marker + MARKER.size());
        if (!telegram.empty() && telegram.back() == '\r')
            telegram.pop_back();
        log.m_telegrams.push_back(std::move(telegram));
    }
    if (log.m_telegrams.empty())
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
