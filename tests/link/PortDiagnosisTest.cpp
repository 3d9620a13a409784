// The reason the link gives for each way an opening can go, and how often it is told.
#include "PortDiagnosis.h"

#include "CLinkMonitor.h"
#include "CSerialLink.h"
#include "LogCapture.h"
#include "PortMap.h"
#include "PortText.h"
#include "PtyFarEnd.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
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

// A server on loopback that greets each client with its words and hangs up when told to.
struct FakeServer : QTcpServer {
    FakeServer(std::string greeting, bool bHangUp) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, [=, this] {
            QTcpSocket* pClient = nextPendingConnection();
            pClient->write(greeting.data(), static_cast<qint64>(greeting.size()));
            if (bHangUp)
                pClient->disconnectFromHost();
        });
    }
};

// A port nothing answers at: its one place in the queue of connections is taken.
struct SilentListener {
    SilentListener() {
        socklen_t length = sizeof address;
        bind(listener, reinterpret_cast<sockaddr*>(&address), length);
        listen(listener, 0);
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        connect(queued, reinterpret_cast<sockaddr*>(&address), length);
    }
    ~SilentListener() {
        close(queued);
        close(listener);
    }
    int serverPort() const { return ntohs(address.sin_port); }

    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    int queued = socket(AF_INET, SOCK_STREAM, 0);
};

// Each way a connection to a serial device server can go, as the link meets it on loopback.
TEST(Diagnosis, NamesTheNetworkCauseAndItsFix) {
    const FakeServer inUse("Port already in use\r\n", true);
    const FakeServer telnet("\xff\xfb\x03\xff\xfd\x2c", false);
    const FakeServer plainTelnet("\xff\xfe\x2c", false);
    const FakeServer quiet("", false);
    // IAC SB COMPRESS2 IAC SE: what follows would be zlib's.
    const FakeServer compressing("\xff\xfa\x56\xff\xf0", false);
    const SilentListener silent;
    const int closedPort = FakeServer("", false).serverPort();
    const auto at = [](const char* scheme, int port) {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(port) + "?timeout=0.3";
    };
    const std::tuple<std::string, Cause, std::string> cases[] = {
        {at("socket", quiet.serverPort()), Cause::Connected,
         ": connected (raw TCP: the server sets the line"},
        {at("rfc2217", plainTelnet.serverPort()), Cause::NoComPort,
         ": connected, but the server takes no line settings (a plain telnet port)"},
        {at("socket", closedPort), Cause::ConnectionRefused,
         ": connection refused — nothing listens at port " + std::to_string(closedPort)},
        {at("socket", inUse.serverPort()), Cause::ServerClosed,
         ": the server closed the connection (\"Port already in use\") — another client"},
        {at("socket", telnet.serverPort()), Cause::TelnetServer,
         ": the server speaks telnet (its first byte is 0xFF): an RFC 2217 port — map COM1 to "
         "rfc2217://127.0.0.1:" +
             std::to_string(telnet.serverPort())},
        {at("rfc2217", quiet.serverPort()), Cause::NoTelnet,
         ": no telnet negotiation within 0.3 s: a raw TCP port? — map COM1 to socket://"},
        {at("rfc2217", compressing.serverPort()), Cause::NetworkError,
         ": network error (the server compresses its data (MCCP)"},
        {at("socket", silent.serverPort()), Cause::NoAnswer,
         ": no answer within 0.3 s — check that"},
        {"socket://127.0.0.1", Cause::BadAddress,
         ": no network address: no port — write socket://"},
    };
    PortMap ports;
    const PortDiagnosis diagnosis{ports.Namespace()};
    for (const auto& [url, cause, reason] : cases) {
        ports.Map("COM1", url);
        CSerialLink link([] { return nullptr; }, ports.Namespace());
        link.SetPortName("\\\\.\\COM1");
        link.SetBaud(4800);
        EXPECT_EQ(link.Open(101), cause != Cause::BadAddress) << reason;
        const Cause expected = cause; // a lambda may not capture a structured binding in clang 14
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return diagnosis.Classify(link, "COM1", "4,800").cause == expected; }, 5000))
            << reason;
        EXPECT_THAT(diagnosis.Describe(diagnosis.Classify(link, "COM1", "4,800")),
                    HasSubstr(url + reason));
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
