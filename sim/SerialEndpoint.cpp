#include "SerialEndpoint.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool MakeRaw(int fd, speed_t speed, std::string& error) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        error = Reason("tcgetattr");
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    if (speed != B0 && (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0)) {
        error = "unsupported baud rate";
        return false;
    }
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        error = Reason("tcsetattr");
        return false;
    }
    return true;
}

std::optional<speed_t> SpeedOf(int nBaud) {
    switch (nBaud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return std::nullopt;
    }
}

} // namespace

SerialEndpoint::SerialEndpoint(int fd, std::string strPath, bool bPseudoTerminal)
    : m_fd(fd), m_strPath(std::move(strPath)), m_bPseudoTerminal(bPseudoTerminal) {}

SerialEndpoint::SerialEndpoint(SerialEndpoint&& other) noexcept
    : m_fd(other.m_fd), m_strPath(std::move(other.m_strPath)),
      m_bPseudoTerminal(other.m_bPseudoTerminal) {
    other.m_fd = -1;
}

SerialEndpoint::~SerialEndpoint() {
    if (m_fd >= 0)
        close(m_fd);
}

std::optional<SerialEndpoint> SerialEndpoint::OpenPseudoTerminal(std::string& error) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        error = Reason("posix_openpt");
        return std::nullopt;
    }
    SerialEndpoint endpoint(master, {}, true);
    const char* pszSlave = nullptr;
    if (grantpt(master) != 0 || unlockpt(master) != 0 || !(pszSlave = ptsname(master))) {
        error = Reason("pseudo-terminal set-up");
        return std::nullopt;
    }
    endpoint.m_strPath = pszSlave;
    // The slave keeps its settings after this first opening is closed again.
    const int slave = open(pszSlave, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        error = Reason("open " + endpoint.m_strPath);
        return std::nullopt;
    }
    const bool bRaw = MakeRaw(slave, B0, error);
    close(slave);
    if (!bRaw)
        return std::nullopt;
    return endpoint;
}

std::optional<SerialEndpoint> SerialEndpoint::OpenDevice(const std::string& strPath, int nBaud,
                                                         std::string& error) {
    const auto speed = SpeedOf(nBaud);
    if (!speed) {
        error = "unsupported baud rate " + std::to_string(nBaud);
        return std::nullopt;
    }
    const int fd = open(strPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = Reason("open " + strPath);
        return std::nullopt;
    }
    SerialEndpoint endpoint(fd, strPath, false);
    if (!MakeRaw(fd, *speed, error))
        return std::nullopt;
    return endpoint;
}
