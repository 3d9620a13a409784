#include "ReadDataLog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t BLOCK_SIZE = 1 << 20;

// Cuts blocks into lines at the line feeds; a line split across blocks is carried over.
class LineSplitter {
public:
    LineSplitter(const std::function<void(const LogLine&)>& onLine, DataLogCounts& counts)
        : m_onLine(onLine), m_counts(counts) {}

    void Feed(std::string_view block) {
        for (std::size_t end = block.find('\n'); end != std::string_view::npos;
             end = block.find('\n')) {
            if (m_carry.empty() && !m_bHeadDropped) {
                Line(block.substr(0, end));
            } else {
                Carry(block.substr(0, end));
                Line(m_carry);
                m_carry.clear();
                m_bHeadDropped = false;
            }
            block.remove_prefix(end + 1);
        }
        Carry(block);
    }

    // What follows the last line end never got its line end: it was cut short.
    void Finish() {
        if (!m_carry.empty() || m_bHeadDropped)
            ++m_counts.nDamaged;
    }

private:
    // No more than the tail of a line is ever needed.
    void Carry(std::string_view piece) {
        m_carry += piece.substr(piece.size() - std::min(piece.size(), MAX_LOG_LINE_LENGTH));
        if (piece.size() > MAX_LOG_LINE_LENGTH || m_carry.size() > MAX_LOG_LINE_LENGTH) {
            m_carry.erase(0, m_carry.size() - std::min(m_carry.size(), MAX_LOG_LINE_LENGTH));
            m_bHeadDropped = true;
        }
    }

    void Line(std::string_view text) {
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        std::optional<LogLine> line;
        if (!m_bHeadDropped)
            line = ParseLogLine(text);
        if (!line) {
            ++m_counts.nDamaged;
            line = RecoverLogLine(text);
        }
        if (line) {
            ++m_counts.nLines;
            m_onLine(*line);
        }
    }

    const std::function<void(const LogLine&)>& m_onLine;
    DataLogCounts& m_counts;
    std::string m_carry;
    bool m_bHeadDropped = false;
};

} // namespace

std::optional<DataLogCounts> ReadDataLog(const std::string& path,
                                         const std::function<void(const LogLine&)>& onLine,
                                         std::uint64_t nByteLimit) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file)
        return std::nullopt;
    DataLogCounts counts;
    LineSplitter splitter(onLine, counts);
    std::vector<char> block(BLOCK_SIZE);
    while (counts.nBytes < nByteLimit) {
        const std::size_t wanted = static_cast<std::size_t>(
            std::min<std::uint64_t>(BLOCK_SIZE, nByteLimit - counts.nBytes));
        const std::size_t got = std::fread(block.data(), 1, wanted, file.get());
        if (got == 0)
            break;
        counts.nBytes += got;
        splitter.Feed(std::string_view(block.data(), got));
    }
    if (std::ferror(file.get())) {
        const int error = errno;
        std::fclose(file.release());
        errno = error;
        return std::nullopt;
    }
    splitter.Finish();
    return counts;
}
