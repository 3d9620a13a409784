#pragma once
// Cuts received bytes into telegrams at the terminator, in fixed memory.
//
// A telegram is handed on without its terminator and without one CR just before it. Empty
// lines carry nothing and are skipped. A NUL ends the text of its line: the rest of that line
// is ignored. A line longer than a buffer's text is no telegram of the unit: it is discarded
// whole, up to its terminator, and its length is told.

#include "Buffer.h"

#include <array>
#include <cstddef>
#include <string_view>

class CTelegramCutter {
public:
    void SetTerminator(char terminator) { m_terminator = terminator; }
    // Takes the bytes up to and including the first terminator, or all of them when there is
    // none, and returns how many it took. telegram is the line they ended, or empty; it stays
    // valid until the next call.
    std::size_t Cut(std::string_view bytes, std::string_view& telegram);
    // The length of the line the last Cut ended when that line was too long to keep; 0
    // otherwise.
    std::size_t DroppedLength() const { return m_nDroppedLength; }

private:
    void Append(std::string_view bytes);
    std::string_view EndLine();

    char m_terminator = '\n';
    // One byte more than a buffer's text, for the CR that may precede the terminator.
    std::array<char, BUFFER_TEXT_MAX + 1> m_line{};
    std::size_t m_nLength = 0;
    // Every byte of the line so far, kept or not.
    std::size_t m_nLineLength = 0;
    std::size_t m_nDroppedLength = 0;
    bool m_bTooLong = false;
    bool m_bNulSeen = false;
};
