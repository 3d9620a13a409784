#include "CDataExchange.h"

#include "AnsiText.h"
#include "ComboItems.h"
#include "FieldText.h"
#include "NumberText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QString Number(double value) {
    return ToQString(FormatGeneral(value, 15));
}

} // namespace

CDataExchange::CDataExchange(QWidget& dialog, bool saveAndValidate)
    : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

void CDataExchange::Text(QLineEdit& edit, unsigned& value) {
    if (m_bFailed)
        return;
    m_pLastEdit = &edit;
    if (!m_bSaveAndValidate) {
        edit.setText(QString::number(value));
        return;
    }
    if (const auto parsed = ParseUnsignedField(ToAnsi(edit.text())))
        value = *parsed;
    else
        Fail(QStringLiteral("Please enter a positive integer."));
}

void CDataExchange::Text(QLineEdit& edit, double& value) {
    if (m_bFailed)
        return;
    m_pLastEdit = &edit;
    if (!m_bSaveAndValidate) {
        edit.setText(Number(value));
        return;
    }
    if (const auto parsed = ParseDoubleField(ToAnsi(edit.text())))
        value = *parsed;
    else
        Fail(QStringLiteral("Please enter a number."));
}

void CDataExchange::Text(QLabel& label, std::string& value) {
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate)
        value = ToAnsi(label.text());
    else
        label.setText(ToQString(value));
}

void CDataExchange::CBString(QComboBox& combo, std::string& value) {
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate) {
        value = ToAnsi(combo.currentText());
        return;
    }
    const int found = FindStringPrefix(ItemTexts(combo), value, -1);
    if (found >= 0)
        combo.setCurrentIndex(found);
}

void CDataExchange::MinMaxUInt(unsigned value, unsigned min, unsigned max) {
    if (Reading() && (value < min || value > max))
        Fail(QStringLiteral("Please enter an integer between %1 and %2.").arg(min).arg(max));
}

void CDataExchange::MinMaxDouble(double value, double min, double max) {
    if (Reading() && !(value >= min && value <= max))
        Fail(QStringLiteral("Please enter a number between %1 and %2.")
                 .arg(Number(min), Number(max)));
}

void CDataExchange::Fail(const QString& message) {
    m_bFailed = true;
    QMessageBox::warning(&m_dialog, QStringLiteral("Quendix"), message);
    if (m_pLastEdit) {
        m_pLastEdit->setFocus(Qt::OtherFocusReason);
        m_pLastEdit->selectAll();
    }
}
