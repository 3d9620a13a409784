#pragma once
// Conditions a program may run in, made for this process while an object lives.

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// A limit on the size of the files the process writes: a write past it fails with EFBIG as a
// write on a full disk fails with ENOSPC, after what fits, and without the privilege a full
// disk needs. SIGXFSZ, which would end the process, is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    void (*m_signal)(int);
    rlimit m_previous{};
};

// No standard input, as a program a launcher starts that way: the next file the process opens
// gets descriptor 0.
class NoStandardInput {
public:
    NoStandardInput() { ::close(0); }
    ~NoStandardInput() {
        ::dup2(m_saved, 0);
        ::close(m_saved);
    }

private:
    int m_saved = ::dup(0);
};
