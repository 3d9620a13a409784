#include "SimOptions.h"

#include <QCommandLineParser>
#include <charconv>
#include <functional>

namespace {

const char* const DESCRIPTION = R"(
Stands in for the acoustic ranging unit on a serial line. Without --device it opens a
pseudo-terminal and prints the path of its slave on the first line of output; then one line
per exchange. Ends cleanly on SIGINT or SIGTERM.

It reads interrogations "$<n>%" ended by a line feed and answers with telegrams such as
"$123.4 ^^^^" ended by CR LF: a range that follows a scripted approach and a steering cue
from the bearing ("^^^^" ahead, "<<--" left, "-->>" right, "??" undetermined). A transponder
it is not told to answer gets "$-NO REPLY-".)";

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

struct SimOption {
    const char* name;
    const char* valueName;
    const char* description;
    std::function<bool(SimOptions&, const std::string&)> set;
};

const std::vector<SimOption>& Options() {
    static const std::vector<SimOption> options = {
        {"device", "PATH", "Use this serial device instead of a pseudo-terminal.",
         [](SimOptions& o, const std::string& v) {
             o.strDevice = v;
             return true;
         }},
        {"baud", "N", "Baud rate of --device (default 4800).",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.nBaud) && o.nBaud > 0;
         }},
        {"link", "PATH", "Make a symlink PATH to the pseudo-terminal's slave (removed at exit).",
         [](SimOptions& o, const std::string& v) {
             o.strLink = v;
             return true;
         }},
        {"tpdr", "LIST", "Transponders that answer, comma-separated (default 10).",
         [](SimOptions& o, const std::string& v) { return ParseTpdrList(v, o.answeredTpdrs); }},
        {"delay", "MS", "Reply delay in milliseconds (default 100).",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.nDelayMs) && o.nDelayMs >= 0;
         }},
        {"start", "M", "Start range in metres (default 500).",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dStartRange); }},
        {"speed", "M/S", "Closing speed; the range stops at 0 (default 1.5).",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dSpeed); }},
        {"bearing", "DEG", "Start bearing, negative to the left (default 20).",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dBearing); }},
        {"drift", "DEG/S", "Bearing change per second (default -2).",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.dDrift); }},
        {"ahead", "DEG", "Half-width of the ahead cue (default 3).",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.dAheadWithin) && o.dAheadWithin >= 0;
         }},
        {"noreply", "RATE", "Chance of \"-NO REPLY-\" per interrogation, 0 to 1 (default 0).",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dNoReplyRate); }},
        {"garbage", "RATE", "Chance of a malformed telegram (default 0).",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dGarbageRate); }},
        {"silence", "RATE", "Chance of no answer at all (default 0).",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dSilenceRate); }},
        {"unsure", "RATE", "Chance of the \"??\" cue (default 0).",
         [](SimOptions& o, const std::string& v) { return ParseRate(v, o.dUnsureRate); }},
        {"seed", "N", "Seed of the chances, for reproducible runs (default 1).",
         [](SimOptions& o, const std::string& v) { return ParseNumber(v, o.nSeed); }},
        {"replay", "LOG",
         "Answer with the telegrams recorded after \"TelGrm:\" in a log file of the display, in "
         "order, starting again after the last.",
         [](SimOptions& o, const std::string& v) {
             o.strReplayLog = v;
             return true;
         }},
        {"flood", "RATE", "Also send RATE telegrams per second unasked (for benchmarks).",
         [](SimOptions& o, const std::string& v) {
             return ParseNumber(v, o.dFloodRate) && o.dFloodRate > 0;
         }},
    };
    return options;
}

// The options as Qt's parser knows them, with --help and --version.
void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromUtf8(DESCRIPTION).trimmed());
    for (const SimOption& option : Options())
        parser.addOption({option.name, option.description, option.valueName});
    parser.addOption({{"h", "help"}, "This text."});
    parser.addOption({"version", "The version."});
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    QCommandLineParser parser;
    AddOptions(parser);
    QStringList arguments{"quendix-sim"};
    for (const std::string& arg : args)
        arguments << QString::fromLocal8Bit(arg);
    if (!parser.parse(arguments)) {
        error = parser.errorText().toStdString();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = "\"" + parser.positionalArguments()[0].toStdString() + "\" is no option";
        return std::nullopt;
    }
    SimOptions options;
    options.bHelp = parser.isSet("help");
    options.bVersion = parser.isSet("version");
    for (const SimOption& option : Options()) {
        const std::string value = parser.value(option.name).toStdString();
        if (parser.isSet(option.name) && !option.set(options, value)) {
            error = "bad value for --" + std::string(option.name) + ": \"" + value + "\"";
            return std::nullopt;
        }
    }
    return options;
}

std::string SimUsage() {
    QCommandLineParser parser;
    AddOptions(parser);
    return parser.helpText().replace("<executable_name>", "quendix-sim").toStdString();
}
