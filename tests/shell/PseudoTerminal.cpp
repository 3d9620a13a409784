#include "tests/shell/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        throw std::runtime_error("cannot open a pseudo-terminal");
    }
    m_devicePath = ptsname(m_master);
    m_slave = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (m_slave < 0 || tcgetattr(m_slave, &raw) != 0) {
        throw std::runtime_error("cannot open " + m_devicePath);
    }
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
}

PseudoTerminal::~PseudoTerminal() {
    HangUp();
}

void PseudoTerminal::HangUp() {
    if (m_master >= 0) {
        ::close(m_slave);
        ::close(m_master);
        m_master = m_slave = -1;
    }
}

std::string PseudoTerminal::ReadUntil(const std::string& ending,
                                      std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string received;
    while (!received.ends_with(ending)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd readable{m_master, POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char bytes[256];
        const ssize_t count = ::read(m_master, bytes, sizeof bytes);
        if (count > 0) {
            received.append(bytes, static_cast<std::size_t>(count));
        }
    }
    return received;
}

void PseudoTerminal::Write(const std::string& text) {
    if (::write(m_master, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("cannot write to the pseudo-terminal");
    }
}
