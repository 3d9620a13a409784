#include "CTerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// How often a pending close looks again whether the dialogs it closed have returned.
constexpr int RETRY_MS = 20;

int s_pipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Nothing to do when the pipe is full: a close is pending already.
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = savedErrno;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

CTerminationSignals::CTerminationSignals() {
    if (::pipe2(s_pipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        return;
    }
    SetHandler(OnTerminationSignal);
    m_pNotifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationSignals::OnSignalled);
}

CTerminationSignals::~CTerminationSignals() {
    if (s_pipe[0] < 0) {
        return;
    }
    SetHandler(SIG_DFL);
    delete m_pNotifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void CTerminationSignals::CloseOnSignal(QWidget& window) {
    m_pWindow = &window;
}

void CTerminationSignals::OnSignalled() {
    char bytes[16];
    while (::read(s_pipe[0], bytes, sizeof bytes) > 0) {
    }
    CloseWhenNoDialogRuns();
}

// A modal dialog or message box is closed first, and the window only once it is there and
// control is back in the main event loop, so that no command or start-up step is left half done
// behind the closed window.
void CTerminationSignals::CloseWhenNoDialogRuns() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
    if (QApplication::activeModalWidget() != nullptr || QThread::currentThread()->loopLevel() > 1 ||
        m_pWindow == nullptr) {
        QTimer::singleShot(RETRY_MS, this, &CTerminationSignals::CloseWhenNoDialogRuns);
        return;
    }
    emit aboutToClose();
    m_pWindow->close();
}
