// The reason the link gives for each way an opening can go, and how often it is told.
#include "PortDiagnosis.h"

#include "CLinkMonitor.h"
#include "CSerialLink.h"
#include "LogCapture.h"
#include "PortMap.h"
#include "PortText.h"
#include "PtyFarEnd.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Cause = LinkState::Cause;
using testing::ElementsAre;
using testing::HasSubstr;
using namespace std::chrono_literals;

struct DiagnosisCase {
    const char* pszCase;
    std::string port;
    std::string baud;
    bool bHeldElsewhere;
    Cause cause;
    std::string reason;
};

void PrintTo(const DiagnosisCase& param, std::ostream* pOut) {
    *pOut << param.pszCase;
}

class Diagnosis : public testing::TestWithParam<DiagnosisCase> {
protected:
    void SetUp() override {
        ports.Map("COM1", unit.SlavePath());
        TempFolder::WriteAll(ports.Folder() / "file", "not a device");
        ports.Map("COM3", (ports.Folder() / "file").string());
    }

    PtyFarEnd unit;
    PortMap ports;
    PortDiagnosis diagnosis{ports.Namespace()};
};

// Opened as the main window opens it, the link's state and the words for it.
TEST_P(Diagnosis, NamesTheCauseAndItsFix) {
    CSerialLink other{[] { return nullptr; }, ports.Namespace()};
    other.SetPortName("\\\\.\\COM1");
    ASSERT_TRUE(!GetParam().bHeldElsewhere || other.Open(101));
    CSerialLink link{[] { return nullptr; }, ports.Namespace()};
    link.SetPortName("\\\\.\\" + GetParam().port);
    link.SetBaud(ParseBaudRate(GetParam().baud));
    link.Open(101);
    const LinkState state = diagnosis.Classify(link, GetParam().port, GetParam().baud);
    EXPECT_EQ(state.cause, GetParam().cause);
    EXPECT_THAT(diagnosis.Describe(state), HasSubstr(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Diagnosis,
    testing::Values(
        DiagnosisCase{"Connected", "COM1", "4,800", false, Cause::Connected,
                      ": connected at 4800 baud, 8N1"},
        DiagnosisCase{"MissingDevice", "COM2", "4,800", false, Cause::NoDevice,
                      "absent: no such device — plug the unit in, or choose the port it is on in "
                      "Settings, or map COM2 to it (quendix-ports --map COM2 DEVICE); present: "
                      "COM1 = /dev/pts/"},
        DiagnosisCase{"HeldByAnotherOpen", "COM1", "4,800", true, Cause::Held,
                      ": held by another program, pid " + std::to_string(getpid()) +
                          " (link_tests) — close that program"},
        DiagnosisCase{"NotADevice", "COM3", "4,800", false, Cause::NotSerial,
                      "file: not a serial device — map COM3 to one"},
        DiagnosisCase{"UnknownName", "LPT1", "4,800", false, Cause::UnknownName,
                      "LPT1: no device for this port name — choose COM1 to COM32 in Settings"},
        DiagnosisCase{"NoRate", "COM1", "fast", false, Cause::BadRate,
                      ": the baud rate \"fast\" is no rate — choose one in Settings"}),
    [](const auto& info) { return std::string(info.param.pszCase); });

// A minute of ticks with the unit unplugged is one line, and its return says after how long.
TEST(LinkMonitor, TellsEachChangeOnceAndHowLongTheDeviceWasAway) {
    const LogCapture log;
    const PortMap ports;
    const PortDiagnosis diagnosis{ports.Namespace()};
    CLinkMonitor monitor{diagnosis};
    const LinkState connected{Cause::Connected, "COM1", ports.Absent(), "4,800", ""};
    LinkState lost = connected;
    lost.cause = Cause::Lost;
    LinkState away = lost;
    away.cause = Cause::NoDevice;
    away.error = "No such file or directory";
    const CLinkMonitor::Clock::time_point start;
    EXPECT_TRUE(monitor.Note(connected, start));
    EXPECT_TRUE(monitor.Note(lost, start + 5s));
    for (int tick = 1; tick <= 60; ++tick)
        EXPECT_FALSE(monitor.Note(away, start + 5s + tick * 1s));
    EXPECT_TRUE(monitor.Note(connected, start + 66s));
    EXPECT_FALSE(monitor.Note(connected, start + 67s));
    EXPECT_THAT(log.Lines(),
                ElementsAre(HasSubstr("quendix.link: COM1 → "),
                            HasSubstr(": device lost — plug it back in"),
                            HasSubstr(": connected at 4800 baud, 8N1; reconnected after 61 s")));
}

} // namespace
