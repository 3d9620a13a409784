#pragma once
// Keeps what the operator types into an edit field to what the field takes: digits only when
// asked, and no more than fits in the field's width, since the field does not scroll. Text the
// program writes into the field, and pasted text, pass unchanged.

#include <QObject>

class QLineEdit;

class CKeyEntryFilter : public QObject {
public:
    CKeyEntryFilter(bool digitsOnly, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Accepts(const QLineEdit& edit, const QString& typed) const;

    const bool m_bDigitsOnly;
};
