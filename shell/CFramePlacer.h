#pragma once
// Places a top-level window by its outer frame, as the stored placement means it, and reads the
// frame's normal rectangle back. The window system tells the decorations only once the window is
// mapped: until then the client has the frame's size, and it is fitted inside the frame when the
// decorations arrive. Without decorations frame and client coincide.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

class CFramePlacer : public QObject {
public:
    // Watches the window; owned by it.
    explicit CFramePlacer(QWidget& window);

    // Before the window first appears, so that the window system puts the frame itself, title
    // bar included, on the rectangle.
    void Place(const QRect& frame);
    // The frame's rectangle in the normal (restored) state, whatever the state now.
    QRect NormalFrame() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RecordDecorations();
    void FitClientInsideFrame();
    QMargins Decorations() const;
    bool IsMaximised() const;

    QWidget& m_window;
    // The placed frame's size while the client still has it, waiting for the decorations.
    std::optional<QSize> m_pendingFrameSize;
    // The decorations last seen outside the maximised state, which may have others.
    QMargins m_normalDecorations;
};
