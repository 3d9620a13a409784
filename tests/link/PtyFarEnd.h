#pragma once
// The far end of a pseudo-terminal, played by a test: the link opens the slave, the test reads
// and writes the master. Every wait is bounded.

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>

class PtyFarEnd {
public:
    PtyFarEnd() {
        // Not inherited by a program the test starts: its copy would keep the line up after
        // HangUp.
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        m_strSlave = ptsname(m_master);
    }
    ~PtyFarEnd() { HangUp(); }
    PtyFarEnd(const PtyFarEnd&) = delete;
    PtyFarEnd& operator=(const PtyFarEnd&) = delete;

    const std::string& SlavePath() const { return m_strSlave; }

    // Writes every byte, waiting while the slave's reader catches up; false after the deadline.
    bool Write(std::string_view bytes) {
        const auto end = Clock::now() + std::chrono::seconds(20);
        while (!bytes.empty()) {
            const ssize_t written = write(m_master, bytes.data(), bytes.size());
            if (written > 0)
                bytes.remove_prefix(static_cast<std::size_t>(written));
            else if (!Await(POLLOUT, end))
                return false;
        }
        return true;
    }

    // Reads until count bytes arrived or the deadline passed; what arrived.
    std::string Read(std::size_t count,
                     std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
        const auto end = Clock::now() + deadline;
        std::string received;
        while (received.size() < count) {
            char chunk[4096];
            const ssize_t got =
                read(m_master, chunk, std::min(sizeof chunk, count - received.size()));
            if (got > 0)
                received.append(chunk, static_cast<std::size_t>(got));
            else if (!Await(POLLIN, end))
                break;
        }
        return received;
    }

    // Hangs up: the slave's reader sees the far end gone.
    void HangUp() {
        if (m_master >= 0)
            close(m_master);
        m_master = -1;
    }

private:
    using Clock = std::chrono::steady_clock;

    // Whether the master becomes ready for the events before the end.
    bool Await(short events, Clock::time_point end) const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd fd{m_master, events, 0};
        return left.count() > 0 && poll(&fd, 1, static_cast<int>(left.count())) > 0;
    }

    int m_master = -1;
    std::string m_strSlave;
};
