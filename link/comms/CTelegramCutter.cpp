#include "CTelegramCutter.h"

#include <algorithm>
#include <cstring>

std::size_t CTelegramCutter::Cut(std::string_view bytes, std::string_view& telegram) {
    const std::size_t end = bytes.find(m_terminator);
    Append(bytes.substr(0, end));
    m_nDroppedLength = 0;
    if (end == std::string_view::npos) {
        telegram = {};
        return bytes.size();
    }
    telegram = EndLine();
    return end + 1;
}

void CTelegramCutter::Append(std::string_view bytes) {
    m_nLineLength += bytes.size();
    if (m_bNulSeen || m_bTooLong)
        return;
    const std::size_t nul = bytes.find('\0');
    m_bNulSeen = nul != std::string_view::npos;
    bytes = bytes.substr(0, nul);
    const std::size_t room = m_line.size() - m_nLength;
    m_bTooLong = bytes.size() > room;
    std::memcpy(m_line.data() + m_nLength, bytes.data(), std::min(bytes.size(), room));
    m_nLength += std::min(bytes.size(), room);
}

std::string_view CTelegramCutter::EndLine() {
    std::size_t length = m_nLength;
    if (length > 0 && m_line[length - 1] == '\r')
        --length;
    const bool bFits = !m_bTooLong && length <= BUFFER_TEXT_MAX;
    m_nDroppedLength = bFits ? 0 : m_nLineLength;
    m_nLength = 0;
    m_nLineLength = 0;
    m_bTooLong = false;
    m_bNulSeen = false;
    return bFits ? std::string_view(m_line.data(), length) : std::string_view();
}
