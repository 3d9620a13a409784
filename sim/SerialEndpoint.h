#pragma once
// The simulator's end of the line: the master of a new pseudo-terminal, or a real serial
// device in raw mode. Non-blocking either way.

#include <optional>
#include <string>

class SerialEndpoint {
public:
    // A pseudo-terminal whose slave is already raw (no echo, no line editing), so that
    // nothing the simulator writes comes back before the display has opened it.
    static std::optional<SerialEndpoint> OpenPseudoTerminal(std::string& error);
    // A serial device at the baud rate, 8N1, raw.
    static std::optional<SerialEndpoint> OpenDevice(const std::string& strPath, int nBaud,
                                                    std::string& error);

    SerialEndpoint(SerialEndpoint&& other) noexcept;
    SerialEndpoint& operator=(SerialEndpoint&&) = delete;
    ~SerialEndpoint();

    int Fd() const { return m_fd; }
    // The slave's path for a pseudo-terminal, the device's path otherwise.
    const std::string& Path() const { return m_strPath; }
    bool IsPseudoTerminal() const { return m_bPseudoTerminal; }

private:
    SerialEndpoint(int fd, std::string strPath, bool bPseudoTerminal);

    int m_fd;
    std::string m_strPath;
    bool m_bPseudoTerminal;
};
