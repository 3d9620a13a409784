#pragma once
// The telegrams recorded in a log file of the display: the text after "TelGrm:" on each line in
// the log's layout, without the line end, in order.

#include <optional>
#include <string>
#include <vector>

class ReplayLog {
public:
    // Nothing when the file cannot be read or holds no log line.
    static std::optional<ReplayLog> Load(const std::string& strPath);
    ReplayLog() = default;

    // The next recorded telegram, starting again after the last.
    std::string Next();

private:
    std::vector<std::string> m_telegrams;
    std::size_t m_nNext = 0;
};
