#include "CFramePlacer.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

CFramePlacer::CFramePlacer(QWidget& window) : QObject(&window), m_window(window) {
    m_window.installEventFilter(this);
}

// move() places the frame; resize() sizes the client.
void CFramePlacer::Place(const QRect& frame) {
    m_window.move(frame.topLeft());
    m_window.resize(frame.size());
    m_pendingFrameSize = frame.size();
}

QRect CFramePlacer::NormalFrame() const {
    if (IsMaximised()) {
        return m_window.normalGeometry().marginsAdded(m_normalDecorations);
    }
    // pos() is the frame's corner even before the window system has confirmed the placement.
    const bool awaitingDecorations = m_pendingFrameSize && m_window.size() == *m_pendingFrameSize;
    return {m_window.pos(),
            awaitingDecorations ? *m_pendingFrameSize : m_window.frameGeometry().size()};
}

bool CFramePlacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        RecordDecorations();
        FitClientInsideFrame();
        break;
    // Some platforms tell the decorations without a move or resize.
    case QEvent::Show:
    case QEvent::WindowStateChange:
        FitClientInsideFrame();
        break;
    default:
        break;
    }
    return false;
}

// Outside the maximised state the window's geometry is its normal one. A state change may be
// told before the geometry that goes with it, so only a move or resize tells the decorations.
void CFramePlacer::RecordDecorations() {
    const QMargins decorations = Decorations();
    if (!IsMaximised() && !decorations.isNull()) {
        m_normalDecorations = decorations;
    }
}

// In the normal state only (some platforms ignore a minimised window's new size), and only
// while the client still has the placed frame's size: in the middle of a state change it may
// have another for a moment.
void CFramePlacer::FitClientInsideFrame() {
    const QMargins decorations = Decorations();
    if (!m_pendingFrameSize || (m_window.windowState() & Qt::WindowMinimized) || IsMaximised() ||
        decorations.isNull() || m_window.size() != *m_pendingFrameSize) {
        return;
    }
    m_normalDecorations = decorations;
    m_window.resize(std::exchange(m_pendingFrameSize, std::nullopt)->shrunkBy(decorations));
}

QMargins CFramePlacer::Decorations() const {
    const QWindow* handle = m_window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

bool CFramePlacer::IsMaximised() const {
    return (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}
