#pragma once
// Keeps every dialog and message box the program opens whole on the available area of the main
// window's screen. Qt centres a dialog over its parent and keeps it on the screen by a guess of the
// window decorations; once the dialog is on the screen its frame is known, and a dialog that
// overhangs the area is moved onto it (and shrunk where it is larger and can shrink). Only the
// first appearance is fitted: the operator may move a dialog where he likes.

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

class CDialogPlacer : public QObject {
public:
    // Watches the application's dialogs while it lives.
    explicit CDialogPlacer(const QWidget& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitFirstExposed(const QObject* window);
    void Fit(QWidget& dialog) const;

    const QWidget& m_mainWindow;
    // Dialogs shown and not yet on the screen.
    std::vector<QPointer<QWidget>> m_pending;
};
