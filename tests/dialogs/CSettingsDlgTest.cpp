// The settings dialog as the operator uses it: real widgets on the offscreen platform.
#include "CSettingsDlg.h"

#include "CKeyEntryFilter.h"
#include "SettingsTemplate.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

constexpr int M = UNITS_METRES;
constexpr int FT = UNITS_FEET;
constexpr Qt::Key RETURN = Qt::Key_Return;
constexpr Qt::Key TAB_THEN_OK = Qt::Key_Tab;

CSettingsData Settings(int units = UNITS_METRES, double offset = 0.6) {
    return {offset, {"COM1", "COM1", "COM2"}, 2, 42, "4,800", "COM1", units, 1500.0, false};
}

class SettingsDlgTest : public ::testing::Test {
protected:
    // Every message box is answered as soon as it is up, and its text kept.
    SettingsDlgTest() {
        QObject::connect(&m_answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->accept();
            }
        });
        m_answerer.start(1);
    }
    void TearDown() override { EXPECT_TRUE(Messages().isEmpty()) << "unexpected message box"; }
    // Shown non-modally and active, so that focus changes arrive as they would for the operator.
    void Open(const CSettingsData& data) {
        m_data = data;
        m_dlg = std::make_unique<CSettingsDlg>(m_data);
        m_dlg->show();
        m_dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    template <typename T = QLineEdit> T* Item(int id) const {
        return qobject_cast<T*>(m_dlg->GetDlgItem(id));
    }
    void ClickOk() const { Item<QPushButton>(IDOK)->click(); }
    void Type(int id, const QString& text) const {
        Item(id)->setFocus();
        Item(id)->selectAll();
        QTest::keyClick(Item(id), Qt::Key_Delete);
        QTest::keyClicks(Item(id), text);
    }
    // The sound speed and offset with their units; a field that takes no input in brackets.
    QString Shown() const {
        const auto field = [this](int edit, int label) {
            const QString text = Item(edit)->text();
            return (Item(edit)->isEnabled() ? text : "[" + text + "]") + " " +
                   Item<QLabel>(label)->text();
        };
        return field(IDC_SOUND_SPEED, IDC_SPEED_UNITS) + ", " + field(IDC_OFFSET, IDC_OFFSET_UNITS);
    }
    // The value of the field's id as the dialog handed it back.
    double Taken(int id) const {
        return id == IDC_PERIOD    ? m_data.m_nPeriod
               : id == IDC_TPDR_NO ? m_data.m_nTpdrNo
               : id == IDC_OFFSET  ? m_data.m_dOffsetMetric
                                   : m_data.m_dSoundSpeedMetric;
    }
    // The texts of the message boxes answered since the last call.
    QStringList Messages() { return std::exchange(m_messages, {}); }

    QTimer m_answerer;
    QStringList m_messages;
    CSettingsData m_data;
    std::unique_ptr<CSettingsDlg> m_dlg;
};

} // namespace

// Every control inside the dialog, whole and clear of the others (the group box frames the port's
// controls), a field taking no more digits than it shows, each input with a tooltip and visited
// by Tab in the order of the form.
TEST_F(SettingsDlgTest, ControlsLieWholeInsideTheDialogApartAndInTabOrder) {
    Open(Settings(UNITS_FEET));
    EXPECT_EQ(m_dlg->windowTitle(), "Quendix Display Settings");
    const QRect frame = m_dlg->findChild<QGroupBox*>()->geometry();
    const QList<QWidget*> controls = m_dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // Controls that touch in dialog units may share a pixel column once each is rounded.
    const auto inner = [](const QWidget* w) { return w->geometry().adjusted(0, 0, -1, -1); };
    for (QWidget* a : controls) {
        const QRect area = a->geometry();
        EXPECT_TRUE(m_dlg->rect().contains(area)) << a->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(a)) {
            EXPECT_LT(label->fontMetrics().tightBoundingRect(label->text()).right(), area.width())
                << label->text().toStdString();
        }
        for (QWidget* b : controls) {
            EXPECT_TRUE(a == b || area == frame || !inner(a).intersects(inner(b)) ||
                        (b->geometry() == frame && frame.contains(area)))
                << a->objectName().toStdString() << " over " << b->objectName().toStdString();
        }
    }
    const QLineEdit& speed = *Item(IDC_SOUND_SPEED); // 4921.25 ft/s, whole
    EXPECT_LE(speed.fontMetrics().horizontalAdvance(speed.text()),
              CKeyEntryFilter::TextRoom(speed));
    Type(IDC_TPDR_NO, "9999999");
    EXPECT_GE(Item(IDC_TPDR_NO)->text().size(), 2);
    EXPECT_LT(Item(IDC_TPDR_NO)->text().size(), 7) << "the field does not scroll";
    for (int id : {IDC_TPDR_NO, IDC_PERIOD, IDC_SOUND_SPEED, IDOK, IDCANCEL, IDC_UNITS,
                   IDC_COM_PORT, IDC_OFFSET}) {
        EXPECT_EQ(QApplication::focusWidget(), m_dlg->GetDlgItem(id)) << id;
        EXPECT_FALSE(m_dlg->GetDlgItem(id)->toolTip().isEmpty()) << id;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_FALSE(Item<QComboBox>(IDC_BAUD_RATE)->isEnabled());
    EXPECT_FALSE(Item<QComboBox>(IDC_COM_PORT)->isEditable());
}

// Changing the units reads the fields first: a refusal shows, and the conversion still runs.
// Milliseconds keep the speed of the units shown before them; opened in them, there is none.
TEST_F(SettingsDlgTest, OnlyAChoiceChangesTheUnitsAndConvertsTheFieldsShown) {
    const QStringList refusal{"Please enter a number between 0 and 20."};
    Open(Settings(UNITS_MSEC));
    EXPECT_EQ(Shown(), "[0] , [0.4] Offset (ms):");
    Open(Settings(UNITS_FEET, 7.0));
    EXPECT_EQ(Shown(), "4921.25 (ft/s):, 22.96 Offset (ft)");
    ClickOk(); // the limit stands in the units shown
    EXPECT_EQ(Messages(), refusal);
    QComboBox* units = Item<QComboBox>(IDC_UNITS);
    units->lineEdit()->setFocus();
    units->lineEdit()->selectAll();
    QTest::keyClicks(units->lineEdit(), "me");
    QTest::keyClick(units->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Messages(), refusal) << "Return presses OK";
    QTest::keyClick(units->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(Item<QLabel>(IDC_OFFSET_UNITS)->text(), "Offset (ft)");
    QTest::keyClick(units, Qt::Key_Down); // the list's next item
    EXPECT_EQ(Messages(), refusal);
    EXPECT_EQ(Shown(), "[4921.25] (ft/s):, [4.66] Offset (ms):");
    units->setCurrentIndex(0); // chosen from the list
    emit units->activated(0);
    EXPECT_EQ(Shown(), "1500 (m/s):, 7 Offset (m)");
    ClickOk();
    EXPECT_EQ(m_data.m_nUnits, UNITS_METRES);
    EXPECT_EQ(m_data.m_dSoundSpeedMetric, 1500.0);
    EXPECT_EQ(m_data.m_dOffsetMetric, 7.0);
}

// A refused field keeps the dialog open and the data as it was, with the focus on the field and
// its text selected for retyping. Only an edited field goes back to metric: taken back from the
// two decimals shown, a value would change on every visit. Cancel reads no field.
TEST_F(SettingsDlgTest, TakesWhatIsTypedInRangeAndRefusesTheRest) {
    const struct {
        int units, id;
        const char* typed; // null: not edited
        Qt::Key leave;
        const char* refusal; // null when taken
        double taken = 0;
    } cases[] = {
        {M, IDC_PERIOD, "1a2.-", RETURN, nullptr, 12},
        {M, IDC_PERIOD, "120", TAB_THEN_OK, nullptr, 120},
        {M, IDC_PERIOD, "121", RETURN, "Please enter an integer between 1 and 120."},
        {M, IDC_PERIOD, "", RETURN, "Please enter a positive integer."},
        {M, IDC_TPDR_NO, "10", RETURN, nullptr, 10},
        {M, IDC_TPDR_NO, "9", RETURN, "Please enter an integer between 10 and 99."},
        {M, IDC_OFFSET, "0", RETURN, nullptr, 0},
        {M, IDC_OFFSET, "20", RETURN, nullptr, 20},
        {M, IDC_OFFSET, "20.01", RETURN, "Please enter a number between 0 and 20."},
        {M, IDC_SOUND_SPEED, "", RETURN, "Please enter a number."},
        {FT, IDC_SOUND_SPEED, "5000", TAB_THEN_OK, nullptr, 5000 * 0.3048},
        {FT, IDC_SOUND_SPEED, "5000", RETURN, nullptr, 5000 * 0.3048},
        {FT, IDC_OFFSET, "3.5", TAB_THEN_OK, nullptr, 3.5 * 0.3048},
        {FT, IDC_SOUND_SPEED, nullptr, TAB_THEN_OK, nullptr, 1500},
        {FT, IDC_OFFSET, nullptr, RETURN, nullptr, 0.29},
        {M, IDC_OFFSET, "3.5", Qt::Key_Escape, nullptr, 0.29},
    };
    for (const auto& c : cases) {
        Open(Settings(c.units, 0.29));
        Item(c.id)->setFocus();
        if (c.typed)
            Type(c.id, c.typed);
        QTest::keyClick(Item(c.id), c.leave);
        if (c.leave == TAB_THEN_OK)
            ClickOk();
        EXPECT_EQ(Messages(), c.refusal ? QStringList{c.refusal} : QStringList{}) << c.typed;
        EXPECT_EQ(m_dlg->isVisible(), c.refusal != nullptr) << c.id << " " << c.typed;
        EXPECT_EQ(m_dlg->result() == QDialog::Accepted, !c.refusal && c.leave != Qt::Key_Escape);
        if (c.refusal) {
            EXPECT_EQ(m_dlg->focusWidget(), Item(c.id)) << c.id << " " << c.typed;
            EXPECT_EQ(Item(c.id)->selectedText(), c.typed) << c.id;
            EXPECT_EQ(m_data.m_nPeriod, 2u);
        } else {
            EXPECT_EQ(Taken(c.id), c.taken) << c.id << " " << c.typed;
        }
    }
}

// Refused as the dialog opens and at each OK, with the focus on the first field, then on the
// refused one; an offset edited meanwhile is kept.
TEST_F(SettingsDlgTest, AnInvalidStoredValueIsRefusedUntilMendedAndEditsSurvive) {
    CSettingsData data = Settings();
    data.m_nPeriod = 0;
    Open(data);
    const QStringList refusal{"Please enter an integer between 1 and 120."};
    EXPECT_EQ(Messages(), refusal);
    EXPECT_EQ(m_dlg->focusWidget(), Item(IDC_TPDR_NO));
    Type(IDC_OFFSET, "5");
    QTest::keyClick(Item(IDC_OFFSET), Qt::Key_Return);
    EXPECT_EQ(Messages(), refusal);
    EXPECT_EQ(m_dlg->focusWidget(), Item(IDC_PERIOD));
    Type(IDC_PERIOD, "3");
    ClickOk();
    EXPECT_EQ(m_data.m_nPeriod, 3u);
    EXPECT_EQ(m_data.m_dOffsetMetric, 5.0);
}

// The stored port and baud rate come back from OK as they were, unless absent from the lists
// (sorted as they are, "14,400" first). Only a port chosen changes the link.
TEST_F(SettingsDlgTest, PortAndBaudRateListsSelectTheStoredOnesAndAChosenPortChangesTheLink) {
    const struct {
        std::vector<std::string> ports;
        const char *port, *portTaken, *baudRate, *baudRateTaken;
    } cases[] = {
        {{"COM3", "COM1", "COM3"}, "COM3", "COM3", "4,800", "4,800"},
        {{"com2", "COM10", "COM2"}, "com2", "com2", "38", "38,400"},
        {{"COM2", "COM1"}, "COM9", "COM1", "1", "19,200"}, // the search starts at the 2nd item
        {{}, "COM1", nullptr, "4800", "14,400"},
    };
    for (const auto& c : cases) {
        CSettingsData data = Settings();
        data.m_arrComPorts = c.ports;
        data.m_strComPort = c.port;
        data.m_strBaudRate = c.baudRate;
        Open(data);
        ClickOk();
        if (c.portTaken) {
            EXPECT_EQ(m_data.m_strComPort, c.portTaken);
        }
        EXPECT_EQ(m_data.m_strBaudRate, c.baudRateTaken) << c.baudRate;
        EXPECT_FALSE(m_data.m_bLinkChanged) << "nothing was chosen";
    }
    Open(Settings());
    QTest::keyClick(Item<QComboBox>(IDC_COM_PORT), Qt::Key_End);
    ClickOk();
    EXPECT_TRUE(m_data.m_bLinkChanged);
    EXPECT_EQ(m_data.m_strComPort, "COM2");
}
