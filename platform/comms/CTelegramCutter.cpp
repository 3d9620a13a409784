#include "CTelegramCutter.h"

void CTelegramCutter::Feed(std::string_view bytes, const Sink& onTelegram) {
    for (const char byte : bytes) {
        if (byte == m_terminator)
            EndLine(onTelegram);
        else
            Append(byte);
    }
}

void CTelegramCutter::Append(char byte) {
    if (m_bTooLong || m_bNulSeen)
        return;
    if (byte == '\0') {
        m_bNulSeen = true;
    } else if (m_nLength == m_line.size()) {
        m_bTooLong = true;
    } else {
        m_line[m_nLength++] = byte;
    }
}

void CTelegramCutter::EndLine(const Sink& onTelegram) {
    std::size_t length = m_nLength;
    if (length > 0 && m_line[length - 1] == '\r')
        --length;
    if (m_bTooLong || length > BUFFER_TEXT_MAX)
        ++m_nLinesTooLong;
    else if (length > 0)
        onTelegram(std::string_view(m_line.data(), length));
    m_nLength = 0;
    m_bTooLong = false;
    m_bNulSeen = false;
}
