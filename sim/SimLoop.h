#pragma once
// The simulator's event loop: reads interrogations, answers after the delay, floods when
// asked, and prints one line per exchange. Waits in poll with a timeout, never spins.

#include "Scenario.h"
#include "SerialEndpoint.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

class SimLoop {
public:
    // stopFd becomes readable when the loop should end.
    SimLoop(const SimOptions& options, Scenario scenario, SerialEndpoint& endpoint, int stopFd);

    // Runs until stopFd is readable: 0, or 1 when a real device was lost.
    int Run();

private:
    using Clock = std::chrono::steady_clock;

    struct PendingReply {
        Clock::time_point due;
        std::string strRequest;
        std::optional<std::string> reply;
    };

    bool WaitForEvents();
    bool ReadInput();
    void OnLine(const std::string& line);
    void SendDueReplies();
    void Flood();
    bool Write(const std::string& telegram);
    void PeerGone();
    int NextTimeoutMs() const;
    double Seconds() const;
    void Print(const std::string& text) const;

    SimOptions m_options;
    Scenario m_scenario;
    SerialEndpoint& m_endpoint;
    int m_stopFd;
    Clock::time_point m_start = Clock::now();
    std::string m_line;
    bool m_bLineTooLong = false;
    std::deque<PendingReply> m_pending;
    // A pseudo-terminal's slave that no one has open: look again at m_retryAt.
    bool m_bPeerAway = false;
    Clock::time_point m_retryAt;
    bool m_bDeviceLost = false;
    Clock::time_point m_nextFlood = Clock::now();
    Clock::time_point m_nextFloodReport = Clock::now();
    std::size_t m_nFloodSent = 0;
};
