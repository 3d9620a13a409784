#include "CKeyEntryFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

// The line edit keeps this margin on each side of its text, and a pixel for the cursor.
constexpr int kTextMargin = 2;
constexpr int kCursorWidth = 1;

QString TextAfterTyping(const QLineEdit& edit, const QString& typed) {
    QString text = edit.text();
    int at = edit.cursorPosition();
    if (edit.hasSelectedText()) {
        at = edit.selectionStart();
        text.remove(at, edit.selectedText().size());
    }
    return text.insert(at, typed);
}

} // namespace

int CKeyEntryFilter::TextRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kTextMargin - kCursorWidth;
}

CKeyEntryFilter::CKeyEntryFilter(bool digitsOnly, QObject* parent)
    : QObject(parent), m_bDigitsOnly(digitsOnly) {}

bool CKeyEntryFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::KeyPress)
        return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // Editing keys and shortcuts (backspace, Ctrl+V) carry control characters or nothing.
    if (typed.isEmpty() ||
        !std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); }))
        return false;
    if (Accepts(*edit, typed))
        return false;
    QApplication::beep();
    return true;
}

bool CKeyEntryFilter::Accepts(const QLineEdit& edit, const QString& typed) const {
    if (m_bDigitsOnly &&
        !std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    return edit.fontMetrics().horizontalAdvance(TextAfterTyping(edit, typed)) <= TextRoom(edit);
}
