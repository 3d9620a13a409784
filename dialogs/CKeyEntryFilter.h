#pragma once
// Keeps what the operator types into an edit field to what the field takes: digits only when
// asked, and no more than fits in the field's width, since the field does not scroll. Text the
// program writes into the field, and pasted text, pass unchanged.

#include <QObject>

class QLineEdit;

class CKeyEntryFilter : public QObject {
public:
    CKeyEntryFilter(bool digitsOnly, QObject* parent);

    // The width, in pixels, that the field shows its text in: a longer text scrolls.
    static int TextRoom(const QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Accepts(const QLineEdit& edit, const QString& typed) const;

    const bool m_bDigitsOnly;
};
