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
using testing::HasSubstr;
using namespace std::chrono_literals;

// Opened one after another as the main window opens them, each link left open: the second on
// the pseudo-terminal of COM1 finds the first holding it.
TEST(Diagnosis, NamesTheCauseAndItsFix) {
    const PtyFarEnd unit;
    PortMap ports;
    ports.Map("COM1", unit.SlavePath());
    const PortDiagnosis diagnosis{ports.Namespace()};
    // The port and baud-rate text as the settings hold them, the cause and the words for it.
    const std::tuple<std::string, std::string, Cause, std::string> cases[] = {
        {"COM1", "4,800", Cause::Connected, ": connected at 4800 baud, 8N1"},
        {"COM1", "4,800", Cause::Held,
         ": held by another program, pid " + std::to_string(getpid()) + " (link_tests)"},
        {"COM2", "4,800", Cause::NoDevice,
         "absent: no such device — plug the unit in, or choose the port it is on in Settings, or "
         "map COM2 to it (quendix-ports --map COM2 DEVICE); present: COM1 = /dev/pts/"},
        {"COM1", "fast", Cause::BadRate, ": the baud rate \"fast\" is no rate"},
    };
    std::vector<std::unique_ptr<CSerialLink>> links;
    for (const auto& [port, baud, cause, reason] : cases) {
        CSerialLink& link = *links.emplace_back(
            std::make_unique<CSerialLink>([] { return nullptr; }, ports.Namespace()));
        link.SetPortName("\\\\.\\" + port);
        link.SetBaud(ParseBaudRate(baud));
        link.Open(101);
        const LinkState state = diagnosis.Classify(link, port, baud);
        EXPECT_EQ(state.cause, cause) << reason;
        EXPECT_THAT(diagnosis.Describe(state), HasSubstr(reason));
    }
}

// A minute of ticks with the unit unplugged is one line; its return says after how long.
TEST(LinkMonitor, TellsEachChangeOnceAndHowLongTheDeviceWasAway) {
    const LogCapture log;
    const PortMap ports;
    const PortDiagnosis diagnosis{ports.Namespace()};
    CLinkMonitor monitor{diagnosis};
    const LinkState connected{Cause::Connected, "COM1", ports.Absent(), "4,800", ""};
    const LinkState lost{Cause::Lost, "COM1", ports.Absent(), "4,800", ""};
    const LinkState away{Cause::NoDevice, "COM1", ports.Absent(), "4,800", "No such file"};
    const CLinkMonitor::Clock::time_point start;
    monitor.Note(connected, start);
    monitor.Note(lost, start + 5s);
    for (int tick = 1; tick <= 60; ++tick)
        monitor.Note(away, start + 5s + tick * 1s);
    monitor.Note(connected, start + 66s);
    monitor.Note(connected, start + 67s);
    EXPECT_THAT(
        log.Lines(),
        testing::ElementsAre(HasSubstr("quendix.link: COM1 → "),
                             HasSubstr(": device lost — plug it back in"),
                             HasSubstr(": connected at 4800 baud, 8N1; reconnected after 61 s")));
}

} // namespace
