#pragma once
// The settings dialog: transponder, period, sound speed, units, offset, port and baud rate.
// It shows the metric sound speed and offset in the chosen units and takes an edited value
// back to metric when its field loses the focus. exec() gives Accepted for OK, and then the
// data holds the values to take back; Cancel and the close box leave the data as it was.

#include "CSettingsData.h"

#include <QDialog>
#include <map>
#include <string>

class CDataExchange;
struct ControlTemplate;
class QComboBox;
class QLabel;
class QLineEdit;

class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSettingsDlg(CSettingsData& data, QWidget* parent = nullptr);

    // The control of that template id, or null.
    QWidget* GetDlgItem(int id) const;

    void setVisible(bool visible) override;

public slots:
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const ControlTemplate& control);
    void Place(QWidget& control, const QRect& area);
    template <typename T> T* Control(int id) const;

    // Reads the controls into the members (refusing the first bad field), or writes them.
    bool UpdateData(bool bSaveAndValidate);
    void OnInitDialog();
    void DoDataExchange(CDataExchange& dx);
    void FillPortList();
    void SelectBaudRate();
    void UpdateDisplay();
    void TakeBackEdited(const QLineEdit& edit, double& metric);

    void OnSelChangeUnits();
    void OnSelChangeLink();
    void OnKillFocusSoundSpeed();
    void OnKillFocusOffset();

    CSettingsData& m_data;
    CSettingsData m_settings; // the values being edited; handed to m_data on OK
    double m_dSoundSpeed = 0.0;
    double m_dOffset = 0.0;
    std::string m_strSpeedUnits;
    std::string m_strOffsetUnits;

    std::map<int, QWidget*> m_controls;
    QLineEdit* m_edTpdrNo = nullptr;
    QLineEdit* m_edPeriod = nullptr;
    QLineEdit* m_edSoundSpeed = nullptr;
    QLineEdit* m_edOffset = nullptr;
    QLabel* m_stSpeedUnits = nullptr;
    QLabel* m_stOffsetUnits = nullptr;
    QComboBox* m_cbComPort = nullptr;
    QComboBox* m_cbBaudRate = nullptr;
    QComboBox* m_cbUnits = nullptr;

    bool m_bInitialised = false;
    bool m_bExchanging = false;
    bool m_bCancelling = false;
};
