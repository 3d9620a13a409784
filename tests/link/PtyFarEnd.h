#pragma once
// The far end of a pseudo-terminal, played by a test: the link opens the slave, the test reads
// and writes the master. Every wait is bounded.

#include <chrono>
#include <string>
#include <string_view>

class PtyFarEnd {
public:
    PtyFarEnd();
    ~PtyFarEnd();
    PtyFarEnd(const PtyFarEnd&) = delete;
    PtyFarEnd& operator=(const PtyFarEnd&) = delete;

    const std::string& SlavePath() const { return m_strSlave; }
    // Writes every byte, waiting while the slave's reader catches up; false after the deadline.
    bool Write(std::string_view bytes,
               std::chrono::milliseconds deadline = std::chrono::seconds(20));
    // Reads until count bytes arrived or the deadline passed; what arrived.
    std::string Read(std::size_t count,
                     std::chrono::milliseconds deadline = std::chrono::seconds(5));
    // Hangs up: the slave's reader sees the far end gone.
    void HangUp();

private:
    int m_master = -1;
    std::string m_strSlave;
};
