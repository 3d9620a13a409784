// The data log on real files in the fake installation's DATA folder. Appending and exclusive
// use are the log file's own (FileTest).
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const std::string kFailure = "Log File not found - data not being logged";

class DataLog : public testing::Test {
protected:
    DataLog() { m_host.SetIniText("[Settings]\r\nOffsetMetric=0.6\r\n"); }

    FakeDocHost m_host;
    CQuendixDoc m_doc{m_host};
};

} // namespace

// A reply ends at its first NUL byte, as a C string does.
TEST_F(DataLog, LineLayoutByteForByteEvenAtSoundSpeedZero) {
    const std::pair<std::string, const char*> cases[] = {
        {"$2000 ^^^^", "30/07/02,14:05:09,Tpdr:10,Rng:1332.933ms,Offset:0.400ms,TelGrm:$2000 ^^^^"},
        {"", "30/07/02,14:05:09,Tpdr:10,Rng:-0.400ms,Offset:0.400ms,TelGrm:"},
        {"$-NO REPLY-, x\r", "30/07/02,14:05:09,Tpdr:10,Rng:-0.400ms,Offset:0.400ms,"
                             "TelGrm:$-NO REPLY-, x\r"},
        {std::string("$250 -->>\0 -NO REPLY-", 21),
         "30/07/02,14:05:09,Tpdr:10,Rng:166.267ms,Offset:0.400ms,TelGrm:$250 -->>"},
    };
    m_doc.OnNewDocument();
    std::string expected;
    for (const auto& [reply, line] : cases) {
        m_doc.OnReply(reply);
        expected += std::string(line) + "\r\n";
    }
    m_host.SetIniText("[Settings]\r\nSoundSpeedMetric=0\r\nOffsetMetric=0.6\r\n");
    m_doc.OnNewDocument();
    m_doc.OnReply("$250 ^^^^");
    expected += "30/07/02,14:05:09,Tpdr:10,Rng:-infms,Offset:infms,TelGrm:$250 ^^^^\r\n";
    EXPECT_EQ(m_host.LogText(), expected);
    EXPECT_TRUE(m_host.messages.empty());
}

// The open log is moved aside: a re-open would make a new file under the old name.
TEST_F(DataLog, LoggingDialogOffersTheCurrentNameAndOnlyANewNameReopens) {
    m_doc.OnNewDocument();
    fs::rename(m_host.LogPath(), m_host.LogPath("aside.txt"));
    m_host.saveFileAnswers = {std::nullopt, "QuendixLog.txt"};
    m_doc.OnLogging();
    const SaveFileRequest& request = m_host.saveRequests.at(0);
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.initialName, "QuendixLog.txt");
    EXPECT_EQ(request.filter, "LogFile (*.txt)|*.txt");
    EXPECT_EQ(HostPath(request.initialFolder), m_host.DataFolder().string() + "/");
    m_doc.OnLogging();
    m_doc.OnReply("$5 ^^^^");
    EXPECT_NE(m_host.LogText("aside.txt").find("TelGrm:$5 ^^^^"), std::string::npos);

    m_host.saveFileAnswers = {"quendixlog.txt"};
    m_doc.OnLogging();
    m_doc.OnReply("$6 ^^^^");
    EXPECT_NE(m_host.LogText("quendixlog.txt").find("TelGrm:$6 ^^^^"), std::string::npos);
}

TEST_F(DataLog, NewNameWhileNotLoggingIsOnlyStored) {
    fs::remove_all(m_host.DataFolder());
    {
        CQuendixDoc doc(m_host);
        doc.OnNewDocument();
        fs::create_directories(m_host.DataFolder());
        m_host.saveFileAnswers = {"Other.txt"};
        doc.OnLogging();
        doc.OnReply("$5 ^^^^");
        EXPECT_FALSE(fs::exists(m_host.LogPath("Other.txt")));
    }
    EXPECT_NE(m_host.IniText().find("LogFileName=Other.txt\r\n"), std::string::npos);
}

TEST_F(DataLog, FailedReopenWritesNothingAnywhere) {
    m_doc.OnNewDocument();
    fs::create_directory(m_host.LogPath("Blocked.txt"));
    m_host.saveFileAnswers = {"Blocked.txt", "Next.txt"};
    m_doc.OnLogging();
    EXPECT_EQ(m_host.messages, std::vector<std::string>{kFailure});
    m_doc.OnReply("$5 ^^^^");
    EXPECT_EQ(m_host.LogText(), "");

    m_doc.OnLogging(); // a good name later on resumes logging
    m_doc.OnReply("$6 ^^^^");
    EXPECT_NE(m_host.LogText("Next.txt").find("TelGrm:$6 ^^^^"), std::string::npos);
}

TEST_F(DataLog, NameReachingOutsideDataIsRefusedDotsInsideANameAreNot) {
    const char* names[] = {"../escape.txt", "..\\escape.txt", "sub/x.txt", "a\\b.txt", "..", "."};
    for (const char* name : names) {
        m_host.messages.clear();
        m_host.SetIniText(std::string("[Settings]\r\nLogFileName=") + name + "\r\n");
        CQuendixDoc doc(m_host);
        doc.OnNewDocument();
        doc.OnReply("$5 ^^^^");
        EXPECT_EQ(m_host.messages, std::vector<std::string>{kFailure}) << name;
    }
    EXPECT_EQ(m_host.refusedLogNames, std::vector<std::string>(std::begin(names), std::end(names)));
    EXPECT_FALSE(fs::exists(m_host.Folder() / "bin" / "escape.txt"));
    EXPECT_TRUE(fs::is_empty(m_host.DataFolder()));

    m_host.SetIniText("[Settings]\r\nLogFileName=Run..2.txt\r\n");
    m_doc.OnNewDocument();
    m_doc.OnReply("$6 ^^^^");
    EXPECT_NE(m_host.LogText("Run..2.txt").find("TelGrm:$6 ^^^^"), std::string::npos);
}
