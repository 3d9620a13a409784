#pragma once
// What the program's calls and the port's worker thread share: the queue manager, the read
// and write mechanisms and the counters, behind one mutex.

#include "CommStats.h"
#include "ReplyMechanism.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>

class QMgr;
struct Buffer;

// Unread telegrams kept at most; the oldest makes room for a newer one. The rest of the pool
// stays free for the program's writes.
inline constexpr std::size_t READ_BACKLOG_LIMIT = 32;

class CChannelState {
public:
    using PostNotice = std::function<void()>;
    using WriteBytes = std::function<bool(const char* pData, std::size_t nLength)>;

    struct Notice {
        IWindowTarget* pTarget;
        std::uint32_t nMessage;
    };

    void SetQMgr(QMgr* pQMgr);
    // postNotice must make TakeNotice run later on the thread that handles notices.
    void SetReadMechanism(const ReplyMechanism& mechanism, PostNotice postNotice);
    void SetWriteMechanism(const ReplyMechanism& mechanism);

    // Worker side: queues one telegram and posts a notice unless one is pending.
    void DeliverTelegram(std::string_view text, std::uint32_t dwTick);
    // Worker side: hands every queued write buffer to writeBytes in order, recycles it and
    // signals the write event. A buffer that writeBytes refuses is counted as discarded.
    void DrainWrites(const WriteBytes& writeBytes);

    // Notice side: ends the pending notice; what to call when telegrams wait on the queue.
    std::optional<Notice> TakeNotice();

    CommStats GetStats() const;

private:
    // Whether received telegrams have a queue and a window to announce them to.
    bool ReadAdvised() const;
    Buffer* TakeReadBuffer();
    void PostIfIdle();

    mutable std::mutex m_mutex;
    QMgr* m_pQMgr = nullptr;
    ReplyMechanism m_read;
    ReplyMechanism m_write;
    PostNotice m_postNotice;
    bool m_bNoticePending = false;
    CommStats m_stats;
};
