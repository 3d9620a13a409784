// libFuzzer entry: arbitrary bytes as a line of the data log. A line that reads keeps its
// telegram as the end of the text and its time as the first 17 characters say; the line after a
// power cut is found where a whole line would read.
#include "LogLine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool EndsText(std::string_view text, std::string_view part) {
    return part.data() + part.size() == text.data() + text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<LogLine> line = ParseLogLine(text);
    const std::optional<LogLine> recovered = RecoverLogLine(text);
    if (recovered && !EndsText(text, recovered->telegram))
        std::abort();
    if (!line)
        return 0;
    if (!EndsText(text, line->telegram) || ParseLogTime(text.substr(0, 17)) != line->nSeconds)
        std::abort();
    if (!recovered || recovered->nSeconds != line->nSeconds ||
        recovered->telegram.data() != line->telegram.data())
        std::abort();
    return 0;
}
