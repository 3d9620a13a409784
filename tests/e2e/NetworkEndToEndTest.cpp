// The real program reaching its unit through ser2net on loopback, raw and RFC 2217, with the
// unit's end of the line a pseudo-terminal played by the test: what the unit gets and what the
// log holds, the line settings the server applies, and the server stopped and started again.
#include "CSerialLink.h"
#include "Installation.h"
#include "PortMap.h"
#include "PtyFarEnd.h"
#include "Ser2net.h"

#include <QTest>
#include <gtest/gtest.h>
#include <termios.h>

namespace {

using namespace std::chrono_literals;
using Mode = Ser2net::Mode;

// The first interrogation goes out one period after the connection; allow for a slow machine.
constexpr auto INTERROGATION_WAIT = 10s;

speed_t LineSpeed(const PtyFarEnd& unit) {
    const int fd = open(unit.SlavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    termios settings{};
    tcgetattr(fd, &settings);
    close(fd);
    return cfgetospeed(&settings);
}

struct NetworkCase {
    Mode mode;
    const char* pszBaud;
    speed_t speed; // the line's speed as the server sets it
};

class ThroughSer2net : public testing::TestWithParam<NetworkCase> {
protected:
    void SetUp() override {
        if (!Ser2net::IsInstalled())
            GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
        ASSERT_TRUE(server.Start());
    }

    PtyFarEnd unit;
    Ser2net server{unit.SlavePath(), GetParam().mode};
};

TEST_P(ThroughSer2net, TalksLogsByteForByteAndComesBackAfterTheServer) {
    Installation installation("[Ports]\r\nCOM1=" + server.Url() +
                              "\r\n[Settings]\r\nPeriod=1\r\nBaudRate=" + GetParam().pszBaud +
                              "\r\n");
    installation.Program().Start();

    // The unit gets interrogations and nothing else: no negotiation reaches the line.
    EXPECT_EQ(unit.Read(6, INTERROGATION_WAIT), "$10%\n$");
    EXPECT_EQ(LineSpeed(unit), GetParam().speed);
    const std::string telegram = "$12\xff.5 ^^^^";
    ASSERT_TRUE(unit.Write(telegram + "\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return installation.Telegrams().size() > 0; }, 10000));
    EXPECT_EQ(installation.Telegrams(), telegram + "\r\n");

    server.Stop();
    ASSERT_TRUE(server.Start());
    unit.Read(4096, 100ms);
    EXPECT_EQ(unit.Read(5, INTERROGATION_WAIT), "$10%\n");
    EXPECT_EQ(server.Clients(), 1);
    installation.Program().Terminate();
}

// The program sends only interrogations; the link carries any byte, 0xFF (the telnet escape)
// included, and nothing but what it was given.
TEST_P(ThroughSer2net, CarriesFFToTheUnitAsItIs) {
    PortMap ports;
    ports.Map("COM1", server.Url());
    CSerialLink link([] { return nullptr; }, ports.Namespace());
    link.SetPortName("\\\\.\\COM1");
    link.SetBaud(4800);
    link.Open(101);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.IsConnected(); }, 10000));
    link.Send("\xff$\xff");
    EXPECT_EQ(unit.Read(4, 1s), "\xff$\xff");
}

INSTANTIATE_TEST_SUITE_P(Modes, ThroughSer2net,
                         testing::Values(NetworkCase{Mode::Raw, "4,800", B4800},
                                         NetworkCase{Mode::Rfc2217, "9,600", B9600},
                                         NetworkCase{Mode::Rfc2217, "4,800", B4800}),
                         [](const auto& info) {
                             return std::string(info.param.mode == Mode::Raw ? "Raw" : "Rfc2217") +
                                    std::to_string(info.index);
                         });

} // namespace
