#pragma once
// The unit's end of a pseudo-terminal, played by a test: the program opens the other end.

#include <chrono>
#include <string>

class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The device the program opens, such as /dev/pts/3.
    const std::string& DevicePath() const { return m_devicePath; }

    // Reads until the text received so far ends with the given text, or the time is up.
    // Returns everything read.
    std::string ReadUntil(const std::string& ending, std::chrono::milliseconds timeout);
    void Write(const std::string& text);
    // Both ends closed, as when a USB adapter is pulled out.
    void HangUp();

private:
    int m_master = -1;
    // Held open so the master never reports a hang-up while the program has the port closed.
    int m_slave = -1;
    std::string m_devicePath;
};
