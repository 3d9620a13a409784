#pragma once
// A limit on the size of the files this process writes, while the object lives: a write past it
// fails with EFBIG as a write on a full disk fails with ENOSPC, after what fits, and without the
// privilege a full disk needs. SIGXFSZ, which would end the process, is ignored meanwhile.

#include <csignal>
#include <sys/resource.h>

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
