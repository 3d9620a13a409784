#pragma once
// Cuts received bytes into telegrams at the terminator, in fixed memory.
//
// A telegram is handed on without its terminator and without one CR just before it. Empty
// lines carry nothing and are skipped. A NUL ends the text of its line: the rest of that line
// is ignored. A line longer than a buffer's text is no telegram of the unit: it is discarded
// whole, up to its terminator, and counted.

#include "Buffer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>

class CTelegramCutter {
public:
    using Sink = std::function<void(std::string_view telegram)>;

    void SetTerminator(char terminator) { m_terminator = terminator; }
    void Feed(std::string_view bytes, const Sink& onTelegram);
    // Lines discarded for their length; read from any thread.
    std::uint64_t LinesTooLong() const { return m_nLinesTooLong.load(); }

private:
    void Append(char byte);
    void EndLine(const Sink& onTelegram);

    char m_terminator = '\n';
    // One byte more than a buffer's text, for the CR that may precede the terminator.
    std::array<char, BUFFER_TEXT_MAX + 1> m_line{};
    std::size_t m_nLength = 0;
    bool m_bTooLong = false;
    bool m_bNulSeen = false;
    std::atomic<std::uint64_t> m_nLinesTooLong = 0;
};
