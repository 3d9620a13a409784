#include "SimLoop.h"

#include "AsciiText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr std::size_t MAX_LINE = 256;
constexpr std::size_t MAX_PENDING = 64;
constexpr auto PEER_RETRY = std::chrono::milliseconds(100);
constexpr int IDLE_TIMEOUT_MS = 1000;

// n of "$<n>%", or nothing.
std::optional<unsigned> ParseInterrogation(const std::string& line) {
    if (line.size() < 3 || line.front() != '$' || line.back() != '%')
        return std::nullopt;
    const std::string_view number = std::string_view(line).substr(1, line.size() - 2);
    const LeadingDigits digits = ScanDigits(number);
    if (digits.nCount != number.size() || digits.bOverflow || digits.nValue > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<unsigned>(digits.nValue);
}

std::string Printable(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

} // namespace

SimLoop::SimLoop(const SimOptions& options, Scenario scenario, SerialEndpoint& endpoint, int stopFd)
    : m_options(options), m_scenario(std::move(scenario)), m_endpoint(endpoint), m_stopFd(stopFd) {}

int SimLoop::Run() {
    while (WaitForEvents() && !m_bDeviceLost) {
        SendDueReplies();
        Flood();
    }
    return m_bDeviceLost ? 1 : 0;
}

bool SimLoop::WaitForEvents() {
    if (m_bPeerAway && Clock::now() >= m_retryAt)
        m_bPeerAway = false;
    std::array<pollfd, 2> fds{{{m_stopFd, POLLIN, 0}, {m_endpoint.Fd(), POLLIN, 0}}};
    if (m_bPeerAway)
        fds[1].fd = -1;
    if (poll(fds.data(), fds.size(), NextTimeoutMs()) < 0 && errno != EINTR)
        return false;
    if (fds[0].revents != 0)
        return false;
    if (fds[1].revents & (POLLHUP | POLLERR))
        PeerGone();
    else if (fds[1].revents & POLLIN)
        return ReadInput();
    return true;
}

bool SimLoop::ReadInput() {
    std::array<char, 4096> chunk;
    const ssize_t nRead = read(m_endpoint.Fd(), chunk.data(), chunk.size());
    if (nRead < 0) {
        if (errno == EIO)
            PeerGone();
        return true;
    }
    for (ssize_t i = 0; i < nRead; ++i) {
        const char c = chunk[static_cast<std::size_t>(i)];
        if (c == '\n') {
            if (!m_bLineTooLong)
                OnLine(m_line);
            m_line.clear();
            m_bLineTooLong = false;
        } else if (m_line.size() < MAX_LINE) {
            m_line += c;
        } else {
            m_bLineTooLong = true;
        }
    }
    return true;
}

void SimLoop::OnLine(const std::string& line) {
    std::string request = line;
    if (!request.empty() && request.back() == '\r')
        request.pop_back();
    const auto tpdr = ParseInterrogation(request);
    if (!tpdr) {
        Print("ignored \"" + Printable(line) + "\"");
        return;
    }
    if (m_pending.size() == MAX_PENDING) {
        Print(request + " -> (busy)");
        return;
    }
    const auto due = Clock::now() + std::chrono::milliseconds(m_options.nDelayMs);
    m_pending.push_back({due, request, m_scenario.Answer(*tpdr, Seconds())});
}

void SimLoop::SendDueReplies() {
    while (!m_pending.empty() && m_pending.front().due <= Clock::now()) {
        const PendingReply reply = std::move(m_pending.front());
        m_pending.pop_front();
        if (!reply.reply) {
            Print(reply.strRequest + " -> (silence)");
        } else if (Write(*reply.reply + "\r\n")) {
            Print(reply.strRequest + " -> " + Printable(*reply.reply));
        } else {
            Print(reply.strRequest + " -> (not delivered)");
        }
    }
}

void SimLoop::Flood() {
    if (m_options.dFloodRate <= 0.0)
        return;
    const auto now = Clock::now();
    const auto interval = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(1.0 / m_options.dFloodRate));
    // After a pause (no peer), start afresh instead of catching up with a burst.
    if (now - m_nextFlood > std::chrono::seconds(1))
        m_nextFlood = now;
    for (; m_nextFlood <= now && !m_bPeerAway; m_nextFlood += interval)
        m_nFloodSent += Write(m_scenario.Telegram(Seconds()) + "\r\n") ? 1 : 0;
    if (now >= m_nextFloodReport) {
        Print("flood " + std::to_string(m_nFloodSent) + " telegrams");
        m_nFloodSent = 0;
        m_nextFloodReport = now + std::chrono::seconds(1);
    }
}

bool SimLoop::Write(const std::string& telegram) {
    if (m_bPeerAway)
        return false;
    std::size_t done = 0;
    while (done < telegram.size()) {
        const ssize_t nWritten =
            write(m_endpoint.Fd(), telegram.data() + done, telegram.size() - done);
        if (nWritten < 0) {
            if (errno == EIO)
                PeerGone();
            return false;
        }
        done += static_cast<std::size_t>(nWritten);
    }
    return true;
}

void SimLoop::PeerGone() {
    if (!m_endpoint.IsPseudoTerminal()) {
        Print("device lost");
        m_bDeviceLost = true;
        return;
    }
    m_bPeerAway = true;
    m_retryAt = Clock::now() + PEER_RETRY;
    m_line.clear();
}

int SimLoop::NextTimeoutMs() const {
    auto next = Clock::now() + std::chrono::milliseconds(IDLE_TIMEOUT_MS);
    if (!m_pending.empty())
        next = std::min(next, m_pending.front().due);
    if (m_options.dFloodRate > 0.0)
        next = std::min({next, m_nextFlood, m_nextFloodReport});
    if (m_bPeerAway)
        next = std::min(next, m_retryAt);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count()));
}

double SimLoop::Seconds() const {
    return std::chrono::duration<double>(Clock::now() - m_start).count();
}

void SimLoop::Print(const std::string& text) const {
    std::printf("%.3f %s\n", Seconds(), text.c_str());
}
