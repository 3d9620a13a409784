#pragma once
// One line of the data log without its line end, in the one layout that the document writes
// and every reader reads:
//   dd/mm/yy,HH:MM:SS,Tpdr:<n>,Rng:<ms>ms,Offset:<ms>ms,TelGrm:<the reply as received>
// The range and the offset are the corrected one-way travel time and the offset's travel time,
// in milliseconds with three decimals. Pure functions, so that they can be fuzzed.

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

struct LogLine {
    // The local date and time of the line as seconds since 01/01/70 00:00:00 on the same
    // clock, so that time runs on across a date change.
    std::int64_t nSeconds;
    int nTpdrNo;
    double dRangeMs;
    double dOffsetMs;
    // The rest of the line after "TelGrm:"; it may hold commas.
    std::string_view telegram;
};

// The line of a reply at a local time.
std::string FormatLogLine(const std::tm& time, int nTpdrNo, double dRangeMs, double dOffsetMs,
                          std::string_view telegram);

// The layout in words, for a message: "dd/mm/yy,HH:MM:SS,Tpdr:N,...".
std::string LogLineLayout();

// The date and the time of day as a line writes them, from the seconds of LogLine.
struct LogTimeText {
    std::string date;  // "dd/mm/yy"
    std::string clock; // "HH:MM:SS"

    std::string Joined(const char* between) const { return date + between + clock; }
};
LogTimeText FormatLogTime(std::int64_t nSeconds);

// The date and time as a line writes them, in the seconds of LogLine. Two-digit years 69 to
// 99 are 1969 to 1999, 00 to 68 are 2000 to 2068.
std::optional<std::int64_t> ParseLogTime(std::string_view text);

// Nothing unless the whole text has the layout.
std::optional<LogLine> ParseLogLine(std::string_view text);

// A line cut short by a power cut runs on into the first line written after the restart; so
// does a run of NUL bytes the file system left where the lost data should have been. This is
// the whole line at the end of such a text, if there is one.
std::optional<LogLine> RecoverLogLine(std::string_view text);
