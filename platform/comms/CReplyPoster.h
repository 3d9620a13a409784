#pragma once
// Lives on the thread that asked for read notices and turns a posted notice into the call of
// the window target there.

#include <QObject>

class CChannelState;

class CReplyPoster : public QObject {
    Q_OBJECT
public:
    explicit CReplyPoster(CChannelState& state);

    // Thread-safe: asks for one notice on the poster's thread.
    void Post();
    // The owner is going away. Safe even from inside the target's handler, which may close
    // the link: the poster then outlives the call and never touches the state again.
    void Retire();

protected:
    bool event(QEvent* pEvent) override;

private:
    CChannelState* m_pState;
    // Calls of the target under way; a modal loop inside one may start another.
    int m_nDispatching = 0;
};
