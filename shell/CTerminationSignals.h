#pragma once
// SIGTERM and SIGINT close the main window the normal way, so the placement and the settings
// are saved as on File > Exit. The signal handler only writes a byte to a pipe; the closing
// happens on the user-interface thread when the event loop reads it.

#include <QObject>

class QSocketNotifier;
class QWidget;

class CTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit CTerminationSignals(QWidget& window);
    ~CTerminationSignals() override;
    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

signals:
    // Just before the window is asked to close.
    void aboutToClose();

private:
    void OnSignalled();
    void CloseWhenNoDialogRuns();

    QWidget& m_window;
    QSocketNotifier* m_pNotifier = nullptr;
};
