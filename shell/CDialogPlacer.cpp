#include "CDialogPlacer.h"

#include "ScreenFit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

CDialogPlacer::CDialogPlacer(const QWidget& mainWindow) : m_mainWindow(mainWindow) {
    QCoreApplication::instance()->installEventFilter(this);
}

// A dialog is shown before its window reaches the screen: it is fitted at its window's first
// exposure, when the window system has put the frame round it.
bool CDialogPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) {
            m_pending.emplace_back(dialog);
        }
    } else if (event->type() == QEvent::Expose && !m_pending.empty()) {
        FitFirstExposed(watched);
    }
    return false;
}

void CDialogPlacer::FitFirstExposed(const QObject* window) {
    std::erase_if(m_pending, [](const QPointer<QWidget>& dialog) { return dialog.isNull(); });
    const auto exposed =
        std::find_if(m_pending.begin(), m_pending.end(), [window](const auto& dialog) {
            return dialog->windowHandle() == window && dialog->windowHandle()->isExposed();
        });
    if (exposed != m_pending.end()) {
        QWidget& dialog = **exposed;
        m_pending.erase(exposed);
        Fit(dialog);
    }
}

// A dialog that cannot shrink keeps its size and its top-left corner on the area.
void CDialogPlacer::Fit(QWidget& dialog) const {
    const QRect area = m_mainWindow.screen()->availableGeometry();
    const QSize decorations = dialog.frameGeometry().size() - dialog.size();
    dialog.resize(FitInside(dialog.frameGeometry(), area).size() - decorations);
    const QPoint fitted = FitInside(dialog.frameGeometry(), area).topLeft();
    if (fitted != dialog.frameGeometry().topLeft()) {
        dialog.move(fitted);
    }
}
