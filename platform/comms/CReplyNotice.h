#pragma once
// Tells the window that asked for read notices, on its own thread, that telegrams wait on the
// read queue. At most one notice is pending; a pending notice dies with this object, so an
// instrument that goes away leaves nothing behind that could call it.

#include <QObject>
#include <atomic>
#include <cstdint>

class IWindowTarget;
class QMgr;

class CReplyNotice : public QObject {
    Q_OBJECT
public:
    CReplyNotice(IWindowTarget& target, std::uint32_t nMessage, const QMgr& qmgr,
                 std::uint32_t nQueue);

    // Any thread: asks for one notice unless one is pending.
    void Post();

private:
    void Deliver();

    IWindowTarget& m_target;
    const std::uint32_t m_nMessage;
    const QMgr& m_qmgr;
    const std::uint32_t m_nQueue;
    std::atomic<bool> m_bPending = false;
};
