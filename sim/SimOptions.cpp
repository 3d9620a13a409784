#include "SimOptions.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

template <typename Number> bool ParseNumber(const std::string& text, Number& value) {
    const char* pEnd = text.data() + text.size();
    const auto [pStop, error] = std::from_chars(text.data(), pEnd, value);
    return !text.empty() && error == std::errc() && pStop == pEnd;
}

bool ParseRate(const std::string& text, double& value) {
    return ParseNumber(text, value) && value >= 0.0 && value <= 1.0;
}

bool ParseTpdrList(const std::string& text, std::vector<unsigned>& tpdrs) {
    tpdrs.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        unsigned tpdr = 0;
        if (!ParseNumber(text.substr(start, comma - start), tpdr))
            return false;
        tpdrs.push_back(tpdr);
        start = comma + 1;
    }
    return !tpdrs.empty();
}

using Setter = std::function<bool(SimOptions&, const std::string&)>;

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters = {
        {"--device",
         [](SimOptions& o, const std::string& v) {
             o.strDevice = v;
             return true;
         }},
        {"--baud", [](SimOptions& o,
                      const std::string& v) { return ParseNumber(v, o.nBaud) && o.nBaud > 0; }},
        {"--link",
         [](SimOptions& o, const std::string& v) {
             o.strLink = v;
             return true;
         }},
        {"--tpdr",
         [](SimOptions& o, const std::string& v) { return ParseTpdrList(v, o.answeredTpdrs); }},
        {"--delay",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.nDelayMs) && o.nDelayMs >= 0;
         }},
        {"--start",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dStartRange); }},
        {"--speed", [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dSpeed); }},
        {"--bearing",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dBearing); }},
        {"--drift", [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dDrift); }},
        {"--ahead",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.dAheadWithin) && o.dAheadWithin >= 0;
         }},
        {"--noreply",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dNoReplyRate); }},
        {"--garbage",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dGarbageRate); }},
        {"--silence",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dSilenceRate); }},
        {"--unsure",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dUnsureRate); }},
        {"--seed", [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.nSeed); }},
        {"--replay",
         [](SimOptions& o, const std::string& v) {
             o.strReplayLog = v;
             return true;
         }},
        {"--flood",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.dFloodRate) && o.dFloodRate > 0;
         }},
    };
    return setters;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            options.bHelp = true;
            continue;
        }
        const auto setter = Setters().find(args[i]);
        if (setter == Setters().end()) {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
        if (i + 1 == args.size() || !setter->second(options, args[i + 1])) {
            error = "bad or missing value for " + args[i];
            return std::nullopt;
        }
        ++i;
    }
    return options;
}

std::string SimUsage() {
    return R"(Usage: quendix-sim [options]
Stands in for the acoustic ranging unit on a serial line. Without --device it opens a
pseudo-terminal and prints the path of its slave on the first line of output; then one line
per exchange. Ends cleanly on SIGINT or SIGTERM.

It reads interrogations "$<n>%" ended by a line feed and answers with telegrams such as
"$123.4 ^^^^" ended by CR LF: a range that follows a scripted approach and a steering cue
from the bearing ("^^^^" ahead, "<<--" left, "-->>" right, "??" undetermined). A transponder
it is not told to answer gets "$-NO REPLY-".

  --device PATH     use this serial device instead of a pseudo-terminal
  --baud N          baud rate of --device (default 4800)
  --link PATH       make a symlink PATH to the pseudo-terminal's slave (removed at exit)
  --tpdr LIST       transponders that answer, comma-separated (default 10)
  --delay MS        reply delay in milliseconds (default 100)
  --start M         start range in metres (default 500)
  --speed M/S       closing speed; the range stops at 0 (default 1.5)
  --bearing DEG     start bearing, negative to the left (default 20)
  --drift DEG/S     bearing change per second (default -2)
  --ahead DEG       half-width of the ahead cue (default 3)
  --noreply RATE    chance of "-NO REPLY-" per interrogation, 0 to 1 (default 0)
  --garbage RATE    chance of a malformed telegram (default 0)
  --silence RATE    chance of no answer at all (default 0)
  --unsure RATE     chance of the "??" cue (default 0)
  --seed N          seed of the chances, for reproducible runs (default 1)
  --replay LOG      answer with the telegrams recorded after "TelGrm:" in a log file of the
                    display, in order, starting again after the last
  --flood RATE      also send RATE telegrams per second unasked (for benchmarks)
  --help            this text
)";
}
