// The data log's reader: lines as the document writes them, and a whole file read in blocks,
// with the lines a power cut damaged.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"
#include "LogLine.h"
#include "ReadDataLog.h"

#include <cerrno>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr std::int64_t k30Jul02At140509 = 1028037909; // seconds since 01/01/70 00:00:00

} // namespace

// The writer and the reader share the layout: each field reads back as written.
TEST(LogLine, ReadsBackEveryFieldTheDocumentWrites) {
    const std::tm time = FakeDocHost().GetLocalTime(); // 30/07/02 14:05:09
    // The last two are what a sound speed of 0 writes.
    const std::tuple<int, double, double, std::string> replies[] = {
        {10, 1332.933, 0.4, "$2000 ^^^^"}, {-5, -0.4, 0.4, ""},
        {250, 1.0, 0.0, "$1, Rng:2ms,\r"}, {10, -HUGE_VAL, HUGE_VAL, ""},
        {10, NAN, -NAN, "$0 ^^^^"},
    };
    const auto readsBack = [](double written, double read) {
        return std::isnan(written) ? std::isnan(read) : read == written;
    };
    for (const auto& [tpdr, range, offset, telegram] : replies) {
        const std::string text = FormatLogLine(time, tpdr, range, offset, telegram);
        const std::optional<LogLine> line = ParseLogLine(text);
        ASSERT_TRUE(line) << text;
        EXPECT_EQ(line->nSeconds, k30Jul02At140509) << text;
        EXPECT_EQ(FormatLogTime(line->nSeconds).Joined(","), text.substr(0, 17));
        EXPECT_EQ(line->nTpdrNo, tpdr);
        EXPECT_TRUE(readsBack(range, line->dRangeMs) && readsBack(offset, line->dOffsetMs));
        EXPECT_EQ(line->telegram, telegram);
    }
}

// Years 69 to 99 are 1969 to 1999, 00 to 68 are 2000 to 2068.
TEST(LogLine, TimeTakesALeapSecondAndTheCenturyFromTheYear) {
    EXPECT_EQ(*ParseLogTime("31/12/02,23:59:60"), *ParseLogTime("01/01/03,00:00:00"));
    EXPECT_EQ(*ParseLogTime("01/01/69,00:00:00"), -365 * 86400);
    EXPECT_GT(*ParseLogTime("31/12/68,00:00:00"), *ParseLogTime("01/01/03,00:00:00"));
    for (const char* text :
         {"01/01/69,00:00:00", "31/12/68,23:59:59", "29/02/00,12:00:00", "31/12/99,23:59:59"})
        EXPECT_EQ(FormatLogTime(*ParseLogTime(text)).Joined(","), text);
    EXPECT_FALSE(ParseLogTime("31/12/02,23:59:599"));
}

// A good line with one part damaged: the part and what replaces it.
TEST(LogLine, RefusesWhatIsNotALogLine) {
    const std::string good = "30/07/02,14:05:09,Tpdr:10,Rng:1332.933ms,Offset:0.400ms,TelGrm:";
    ASSERT_TRUE(ParseLogLine(good));
    const std::pair<std::string, std::string> damage[] = {
        {good, ""},         {",TelGrm:", ""}, {"933ms", "933"}, {":10", ":x"},
        {"30/07", "31/02"}, {"14:", "24:"},   {":05:", ":60:"}, {":09", ":61"},
        {":09", ":0:"},     {"07/", "07-"},   {"30/", " 30/"},
    };
    for (const auto& [part, replacement] : damage) {
        std::string text = good;
        text.replace(text.find(part), part.size(), replacement);
        EXPECT_FALSE(ParseLogLine(text)) << text;
    }
}

// The document writes two lines; the power fails in the third and the file system leaves
// 5 MB of zeros; after the restart two lines are appended, the first across a block of the
// reader; the last line is cut short.
TEST(DataLogReader, ReadsWhatTheDocumentWroteAndSkipsWhatAPowerCutDamaged) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nOffsetMetric=0.6\r\n");
    {
        CQuendixDoc doc(host);
        doc.OnNewDocument();
        doc.OnReply("$2000 ^^^^");
        doc.OnReply("$-NO REPLY-");
    }
    const std::string written = host.LogText() + "30/07/02,14:05:1";
    const std::string appended =
        "30/07/02,14:07:00,Tpdr:10,Rng:1.000ms,Offset:0.400ms,TelGrm:$2 ^^^^\r\n"
        "30/07/02,14:07:01,Tpdr:10,Rng:1.000ms,Offset:0.400ms,TelGrm:$3 ^^^^\r\n";
    const std::string zeros((5 << 20) - written.size() - 20, '\0');
    TempFolder::WriteAll(host.LogPath(), written + zeros + appended + "30/07/02,14:07:0");

    std::vector<std::string> telegrams;
    const std::optional<DataLogCounts> counts =
        ReadDataLog(host.LogPath(), [&](const LogLine& line) {
            telegrams.emplace_back(line.telegram);
            EXPECT_EQ(line.nTpdrNo, 10);
        });
    ASSERT_TRUE(counts);
    EXPECT_EQ(telegrams,
              (std::vector<std::string>{"$2000 ^^^^", "$-NO REPLY-", "$2 ^^^^", "$3 ^^^^"}));
    EXPECT_EQ(counts->nLines, 4u);
    EXPECT_EQ(counts->nDamaged, 2u);
    EXPECT_EQ(counts->nBytes, (5u << 20) + appended.size() - 4);

    EXPECT_FALSE(ReadDataLog(host.LogPath("missing.txt"), [](const LogLine&) {}));
    EXPECT_EQ(errno, ENOENT);
}
