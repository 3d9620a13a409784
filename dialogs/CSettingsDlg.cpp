#include "CSettingsDlg.h"

#include "AnsiText.h"
#include "CDataExchange.h"
#include "CKeyEntryFilter.h"
#include "ComboItems.h"
#include "DialogUnits.h"
#include "FieldText.h"
#include "QuendixCodes.h"
#include "SettingsTemplate.h"
#include "UnitConversion.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <array>

namespace {

// The units list's items, in order.
constexpr std::array<int, 3> kUnitsCodes{UNITS_METRES, UNITS_FEET, UNITS_MSEC};

int UnitsIndex(int units) {
    const auto found = std::find(kUnitsCodes.begin(), kUnitsCodes.end(), units);
    return found == kUnitsCodes.end() ? -1 : static_cast<int>(found - kUnitsCodes.begin());
}

} // namespace

CSettingsDlg::CSettingsDlg(CSettingsData& data, QWidget* parent)
    : QDialog(parent), m_data(data), m_settings(data) {
    m_settings.m_bLinkChanged = false;
    setWindowTitle(QString::fromLatin1(kSettingsCaption));
    setFont(QFont(QString::fromLatin1(kSettingsFontFamily), kSettingsFontPoints));
    CreateControls();

    m_edTpdrNo = Control<QLineEdit>(IDC_TPDR_NO);
    m_edPeriod = Control<QLineEdit>(IDC_PERIOD);
    m_edSoundSpeed = Control<QLineEdit>(IDC_SOUND_SPEED);
    m_edOffset = Control<QLineEdit>(IDC_OFFSET);
    m_stSpeedUnits = Control<QLabel>(IDC_SPEED_UNITS);
    m_stOffsetUnits = Control<QLabel>(IDC_OFFSET_UNITS);
    m_cbComPort = Control<QComboBox>(IDC_COM_PORT);
    m_cbBaudRate = Control<QComboBox>(IDC_BAUD_RATE);
    m_cbUnits = Control<QComboBox>(IDC_UNITS);

    for (const char* units : kUnitsItems)
        m_cbUnits->addItem(QString::fromLatin1(units));
    for (const char* rate : kBaudRateItems)
        AddSorted(*m_cbBaudRate, rate);

    connect(Control<QPushButton>(IDOK), &QPushButton::clicked, this, &CSettingsDlg::accept);
    connect(Control<QPushButton>(IDCANCEL), &QPushButton::clicked, this, &CSettingsDlg::reject);
    connect(m_cbUnits, &QComboBox::activated, this, &CSettingsDlg::OnSelChangeUnits);
    connect(m_cbComPort, &QComboBox::activated, this, &CSettingsDlg::OnSelChangeLink);
    connect(m_cbBaudRate, &QComboBox::activated, this, &CSettingsDlg::OnSelChangeLink);
    m_edSoundSpeed->installEventFilter(this);
    m_edOffset->installEventFilter(this);
}

QWidget* CSettingsDlg::GetDlgItem(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

template <typename T> T* CSettingsDlg::Control(int id) const {
    return qobject_cast<T*>(GetDlgItem(id));
}

// Created in template order, which makes Qt's focus chain the template's tab order.
void CSettingsDlg::CreateControls() {
    const DialogBaseUnits base = MeasureBaseUnits(font());
    setFixedSize(DialogUnitsToPixels(QRect(0, 0, kSettingsWidth, kSettingsHeight), base).size());
    for (const ControlTemplate& control : kSettingsControls) {
        QWidget* widget = CreateControl(control);
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setEnabled(!control.disabled);
        Place(*widget,
              DialogUnitsToPixels(QRect(control.x, control.y, control.cx, control.cy), base));
        if (control.id != IDC_STATIC)
            m_controls[control.id] = widget;
    }
}

QWidget* CSettingsDlg::CreateControl(const ControlTemplate& control) {
    const QString text = QString::fromLatin1(control.text);
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->installEventFilter(new CKeyEntryFilter(control.digitsOnly, edit));
        return edit;
    }
    case ControlKind::DefPushButton:
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::DropDown: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Only a choice from the list chooses an item: Qt would also complete typed text and
        // choose the item it names on Return or when the field loses the focus.
        combo->setCompleter(nullptr);
        disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        return combo;
    }
    case ControlKind::DropDownList:
        break;
    }
    return new QComboBox(this);
}

// A combo box's template height also holds its drop-down list.
void CSettingsDlg::Place(QWidget& control, const QRect& area) {
    auto* combo = qobject_cast<QComboBox*>(&control);
    if (!combo) {
        control.setGeometry(area);
        return;
    }
    const int fieldHeight = combo->sizeHint().height();
    combo->setGeometry(area.x(), area.y(), area.width(), fieldHeight);
    combo->setMaxVisibleItems(std::max(1, (area.height() - fieldHeight) / fontMetrics().height()));
}

bool CSettingsDlg::UpdateData(bool bSaveAndValidate) {
    const QScopedValueRollback<bool> exchanging(m_bExchanging, true);
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CSettingsDlg::DoDataExchange(CDataExchange& dx) {
    dx.Text(*m_edPeriod, m_settings.m_nPeriod);
    dx.MinMaxUInt(m_settings.m_nPeriod, 1, 120);
    dx.Text(*m_edSoundSpeed, m_dSoundSpeed);
    dx.Text(*m_edTpdrNo, m_settings.m_nTpdrNo);
    dx.MinMaxUInt(m_settings.m_nTpdrNo, 10, 99);
    dx.Text(*m_stSpeedUnits, m_strSpeedUnits);
    dx.CBString(*m_cbBaudRate, m_settings.m_strBaudRate);
    dx.CBString(*m_cbComPort, m_settings.m_strComPort);
    dx.Text(*m_stOffsetUnits, m_strOffsetUnits);
    dx.Text(*m_edOffset, m_dOffset);
    dx.MinMaxDouble(m_dOffset, 0.0, 20.0);
}

// Runs once, before the dialog first appears, as a dialog's initialisation does.
void CSettingsDlg::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CSettingsDlg::OnInitDialog() {
    UpdateData(false);
    m_cbUnits->setCurrentIndex(UnitsIndex(m_settings.m_nUnits));
    FillPortList();
    SelectBaudRate();
    UpdateDisplay();
    for (const ToolTipTemplate& tip : kSettingsToolTips)
        GetDlgItem(tip.id)->setToolTip(QString::fromLatin1(tip.text));
    m_edTpdrNo->setFocus(); // the first field in tab order, even after a refused field
}

void CSettingsDlg::FillPortList() {
    for (const std::string& port : m_settings.m_arrComPorts)
        AddSorted(*m_cbComPort, port);
    const int found = FindStringExact(ItemTexts(*m_cbComPort), m_settings.m_strComPort, 0);
    m_cbComPort->setCurrentIndex(std::max(found, 0));
}

void CSettingsDlg::SelectBaudRate() {
    const int found = FindStringPrefix(ItemTexts(*m_cbBaudRate), m_settings.m_strBaudRate, 0);
    m_cbBaudRate->setCurrentIndex(std::max(found, 0));
}

// A refused field does not stop the conversion: it runs on the members as far as they were read.
void CSettingsDlg::UpdateDisplay() {
    UpdateData(true);
    const bool timed = m_settings.m_nUnits == UNITS_MSEC;
    m_edSoundSpeed->setEnabled(!timed);
    m_edOffset->setEnabled(!timed);
    const ShownValues shown =
        ShowInUnits(m_settings.m_nUnits, m_settings.m_dSoundSpeedMetric, m_settings.m_dOffsetMetric,
                    {m_dSoundSpeed, m_dOffset, m_strSpeedUnits, m_strOffsetUnits});
    m_dSoundSpeed = shown.soundSpeed;
    m_dOffset = shown.offset;
    m_strSpeedUnits = shown.speedUnits;
    m_strOffsetUnits = shown.offsetUnits;
    UpdateData(false);
}

void CSettingsDlg::OnSelChangeUnits() {
    const int index = m_cbUnits->currentIndex();
    if (index < 0 || index >= static_cast<int>(kUnitsCodes.size())) {
        m_cbUnits->setCurrentIndex(0);
        return;
    }
    m_settings.m_nUnits = kUnitsCodes[static_cast<std::size_t>(index)];
    UpdateDisplay();
}

void CSettingsDlg::OnSelChangeLink() {
    m_settings.m_bLinkChanged = true;
}

bool CSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    // A context menu takes the focus only for a moment.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == m_edSoundSpeed)
            OnKillFocusSoundSpeed();
        else if (watched == m_edOffset)
            OnKillFocusOffset();
    }
    return QDialog::eventFilter(watched, event);
}

void CSettingsDlg::OnKillFocusSoundSpeed() {
    TakeBackEdited(*m_edSoundSpeed, m_settings.m_dSoundSpeedMetric);
}

void CSettingsDlg::OnKillFocusOffset() {
    TakeBackEdited(*m_edOffset, m_settings.m_dOffsetMetric);
}

// Only an edited field goes back to metric: the shown value is cut to two decimals and would
// change the metric one on every visit. The field's own text counts, even when a field read
// before it was refused. Cancel reads nothing, and the focus that a refusal's message box
// takes away does not read the fields again.
void CSettingsDlg::TakeBackEdited(const QLineEdit& edit, double& metric) {
    if (m_bCancelling)
        return;
    if (!m_bExchanging)
        UpdateData(true);
    if (!edit.isModified())
        return;
    const auto shown = ParseDoubleField(ToAnsi(edit.text()));
    if (!shown)
        return;
    if (const auto metricValue = ToMetric(m_settings.m_nUnits, *shown))
        metric = *metricValue;
}

void CSettingsDlg::accept() {
    if (!UpdateData(true))
        return;
    QDialog::accept(); // hiding takes a focused field that was edited back to metric
    m_data = m_settings;
}

// A field that loses the focus as Cancel closes the dialog is not read.
void CSettingsDlg::reject() {
    const QScopedValueRollback<bool> cancelling(m_bCancelling, true);
    QDialog::reject();
}
