#include "PtyFarEnd.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Whether the master becomes ready for the events before the end.
bool Await(int master, short events, Clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    pollfd fd{master, events, 0};
    return left.count() > 0 && poll(&fd, 1, static_cast<int>(left.count())) > 0;
}

} // namespace

PtyFarEnd::PtyFarEnd() {
    // Not inherited by a program the test starts: its copy would keep the line up after HangUp.
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_strSlave = ptsname(m_master);
}

PtyFarEnd::~PtyFarEnd() {
    HangUp();
}

bool PtyFarEnd::Write(std::string_view bytes, std::chrono::milliseconds deadline) {
    const auto end = Clock::now() + deadline;
    while (!bytes.empty()) {
        const ssize_t written = write(m_master, bytes.data(), bytes.size());
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
        else if (!Await(m_master, POLLOUT, end))
            return false;
    }
    return true;
}

std::string PtyFarEnd::Read(std::size_t count, std::chrono::milliseconds deadline) {
    const auto end = Clock::now() + deadline;
    std::string received;
    while (received.size() < count) {
        char chunk[4096];
        const ssize_t got = read(m_master, chunk, std::min(sizeof chunk, count - received.size()));
        if (got > 0)
            received.append(chunk, static_cast<std::size_t>(got));
        else if (!Await(m_master, POLLIN, end))
            break;
    }
    return received;
}

void PtyFarEnd::HangUp() {
    if (m_master >= 0)
        close(m_master);
    m_master = -1;
}
