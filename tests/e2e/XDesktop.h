#pragma once
// A real X server with a window manager, for what only a real desktop shows: where the window
// manager puts a window's frame. Xvfb on a display number it picks itself, and openbox on it.

#include <QProcess>
#include <QRect>
#include <QString>
#include <optional>

class XDesktop {
public:
    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    // Empty when the desktop is up; otherwise why it could not start.
    const QString& Failure() const { return m_failure; }
    const QString& Display() const { return m_display; }

    // The outer frame of the top-level window of that title, as the X server has it.
    std::optional<QRect> FrameOf(const QString& title) const;

private:
    bool StartServer();
    bool StartWindowManager();
    std::optional<QString> Run(const QString& program, const QStringList& arguments) const;

    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
    QString m_failure;
};
