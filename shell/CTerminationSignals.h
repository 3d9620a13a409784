#pragma once
// SIGTERM and SIGINT close the main window the normal way, so the placement and the settings
// are saved as on File > Exit. The signal handler only writes a byte to a pipe; the closing
// happens on the user-interface thread when the event loop reads it. A signal that comes during
// start-up is held until the window is there.

#include <QObject>

class QSocketNotifier;
class QWidget;

class CTerminationSignals : public QObject {
    Q_OBJECT

public:
    // Catches the two signals from now on.
    CTerminationSignals();
    ~CTerminationSignals() override;

    // From now on a caught signal closes the window.
    void CloseOnSignal(QWidget& window);
    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

signals:
    // Just before the window is asked to close.
    void aboutToClose();

private:
    void OnSignalled();
    void CloseWhenNoDialogRuns();

    QWidget* m_pWindow = nullptr;
    QSocketNotifier* m_pNotifier = nullptr;
};
