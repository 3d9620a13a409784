#pragma once
// One pass of a dialog's data exchange: members written to the controls, or the controls read
// back into the members. A reading refuses the first field that does not parse or is out of
// its range with a message, puts the focus on it and leaves every later member as it was.

#include <QString>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

class CDataExchange {
public:
    CDataExchange(QWidget& dialog, bool saveAndValidate);

    bool Failed() const { return m_bFailed; }

    void Text(QLineEdit& edit, unsigned& value);
    void Text(QLineEdit& edit, double& value);
    void Text(QLabel& label, std::string& value);
    // Writing selects the first item that begins with value; reading takes the selected text.
    void CBString(QComboBox& combo, std::string& value);

    // Range checks of the field exchanged last; on reading only.
    void MinMaxUInt(unsigned value, unsigned min, unsigned max);
    void MinMaxDouble(double value, double min, double max);

private:
    bool Reading() const { return m_bSaveAndValidate && !m_bFailed; }
    void Fail(const QString& message);

    QWidget& m_dialog;
    const bool m_bSaveAndValidate;
    QLineEdit* m_pLastEdit = nullptr;
    bool m_bFailed = false;
};
