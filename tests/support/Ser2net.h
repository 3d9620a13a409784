#pragma once
// ser2net on loopback in front of a device, as a vessel's serial device server: raw TCP or
// RFC 2217, on a port of its own, in a process of the test's, passing each byte on at once (as
// the README advises). Stopped and started again at will; every wait is bounded.

#include "TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

class Ser2net {
public:
    enum class Mode { Raw, Rfc2217 };

    Ser2net(const std::string& device, Mode mode) : m_mode(mode) {
        TempFolder::WriteAll(m_folder / "ser2net.yaml",
                             "%YAML 1.1\n---\nconnection: &unit\n    accepter: " +
                                 std::string(mode == Mode::Rfc2217 ? "telnet(rfc2217)," : "") +
                                 "tcp,127.0.0.1," + std::to_string(m_nPort) +
                                 "\n    connector: serialdev," + device +
                                 ",4800n81,local\n    options:\n        chardelay: false\n");
    }
    ~Ser2net() { Stop(); }
    Ser2net(const Ser2net&) = delete;
    Ser2net& operator=(const Ser2net&) = delete;

    static bool IsInstalled() { return access(PROGRAM, X_OK) == 0; }

    // True once it listens.
    bool Start() {
        const std::string config = (m_folder / "ser2net.yaml").string();
        const std::string pidFile = (m_folder / "ser2net.pid").string();
        const char* argv[] = {PROGRAM,         "-n",   "-d", "-u", "-c", config.c_str(), "-P",
                              pidFile.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int error = posix_spawn(&m_pid, PROGRAM, &actions, nullptr,
                                      const_cast<char* const*>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        return error == 0 && Await([this] { return Sockets(LISTENING, true) > 0; });
    }

    // SIGTERM, then the end: every connection goes with it.
    void Stop() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = 0;
    }

    std::string Url() const {
        return (m_mode == Mode::Rfc2217 ? "rfc2217://127.0.0.1:" : "socket://127.0.0.1:") +
               std::to_string(m_nPort);
    }
    // Clients connected to it now.
    int Clients() const { return Sockets(ESTABLISHED, false); }

private:
    static constexpr const char* PROGRAM = "/usr/sbin/ser2net";
    static constexpr int ESTABLISHED = 1;
    static constexpr int LISTENING = 10;

    // A port nobody listens at now: the system's pick, given back.
    static int FreePort() {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t length = sizeof address;
        bind(fd, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        close(fd);
        return ntohs(address.sin_port);
    }

    template <typename Condition> static bool Await(Condition condition) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // TCP sockets in the state whose local (or, for the clients' ends, remote) port is ours.
    int Sockets(int state, bool bLocal) const {
        std::ifstream table("/proc/net/tcp");
        std::string line;
        std::getline(table, line);
        int count = 0;
        while (std::getline(table, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, status;
            fields >> slot >> local >> remote >> status;
            const std::string& end = bLocal ? local : remote;
            count += std::stoi(end.substr(end.find(':') + 1), nullptr, 16) == m_nPort &&
                     std::stoi(status, nullptr, 16) == state;
        }
        return count;
    }

    const Mode m_mode;
    const int m_nPort = FreePort();
    TempFolder m_folder;
    pid_t m_pid = 0;
};
