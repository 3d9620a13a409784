// The settings dialog as the operator uses it: real widgets on the offscreen platform.
#include "CSettingsDlg.h"

#include "CKeyEntryFilter.h"
#include "DialogUnits.h"
#include "SettingsTemplate.h"

#include <QApplication>
#include <QComboBox>
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

CSettingsData Settings(int units = UNITS_METRES, double offset = 0.6) {
    return {.m_dOffsetMetric = offset,
            .m_arrComPorts = {"COM1", "COM1", "COM2"},
            .m_nPeriod = 2,
            .m_nTpdrNo = 10,
            .m_strBaudRate = "4,800",
            .m_strComPort = "COM1",
            .m_nUnits = units,
            .m_dSoundSpeedMetric = 1500.0};
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
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(m_dlg->GetDlgItem(id)); }
    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(m_dlg->GetDlgItem(id)); }
    QString Label(int id) const { return qobject_cast<QLabel*>(m_dlg->GetDlgItem(id))->text(); }
    QStringList Items(int id) const {
        QStringList items;
        for (int i = 0; i < Combo(id)->count(); ++i)
            items << Combo(id)->itemText(i);
        return items;
    }
    void ClickOk() const { qobject_cast<QPushButton*>(m_dlg->GetDlgItem(IDOK))->click(); }
    void Type(int id, const QString& text) const {
        QLineEdit* edit = Edit(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // The sound speed and offset fields with their units, a field that takes no input in brackets,
    // a value cut at the field's edge (beyond its room the field scrolls) marked.
    QString Shown() const {
        const auto field = [this](int edit, int label) {
            const QLineEdit& line = *Edit(edit);
            const bool whole = line.fontMetrics().horizontalAdvance(line.text()) <=
                               CKeyEntryFilter::TextRoom(line);
            const QString text = line.text() + (whole ? "" : "(cut)");
            return (line.isEnabled() ? text : "[" + text + "]") + " " + Label(label);
        };
        return field(IDC_SOUND_SPEED, IDC_SPEED_UNITS) + ", " + field(IDC_OFFSET, IDC_OFFSET_UNITS);
    }
    // The texts of the message boxes answered since the last call.
    QStringList Messages() { return std::exchange(m_messages, {}); }

    QTimer m_answerer;
    QStringList m_messages;
    CSettingsData m_data;
    std::unique_ptr<CSettingsDlg> m_dlg;
};

} // namespace

TEST_F(SettingsDlgTest, TemplateControlsInTabOrderWithTextsPlacesAndTooltips) {
    Open(Settings());
    EXPECT_EQ(m_dlg->windowTitle(), "Quendix Display Settings");
    const DialogBaseUnits base = MeasureBaseUnits(m_dlg->font());
    EXPECT_EQ(m_dlg->size(), DialogUnitsToPixels(QRect(0, 0, 312, 88), base).size());
    for (const ControlTemplate& control : kSettingsControls) {
        if (control.id == IDC_STATIC)
            continue;
        QWidget* widget = m_dlg->GetDlgItem(control.id);
        ASSERT_NE(widget, nullptr) << control.id;
        const QRect area =
            DialogUnitsToPixels(QRect(control.x, control.y, control.cx, control.cy), base);
        EXPECT_EQ(widget->pos(), area.topLeft()) << control.name;
        EXPECT_EQ(widget->width(), area.width()) << control.name;
    }

    const int tabOrder[] = {IDC_TPDR_NO, IDC_PERIOD, IDC_SOUND_SPEED, IDOK,
                            IDCANCEL,    IDC_UNITS,  IDC_COM_PORT,    IDC_OFFSET};
    QWidget* focus = Edit(IDC_TPDR_NO);
    EXPECT_EQ(m_dlg->focusWidget(), focus);
    for (int id : tabOrder) {
        EXPECT_EQ(focus, m_dlg->GetDlgItem(id)) << id;
        do
            focus = focus->nextInFocusChain();
        while (!(focus->focusPolicy() & Qt::TabFocus) || !focus->isEnabled() ||
               focus->parentWidget() != m_dlg.get());
    }

    EXPECT_EQ(Items(IDC_UNITS), QStringList({"Metres", "Feet", "Miliseconds"}));
    EXPECT_EQ(Items(IDC_BAUD_RATE),
              QStringList({"14,400", "19,200", "2,400", "28,800", "38,400", "4,800", "9,600"}));
    EXPECT_FALSE(Combo(IDC_BAUD_RATE)->isEnabled());
    EXPECT_FALSE(Combo(IDC_COM_PORT)->isEditable());

    for (const ToolTipTemplate& tip : kSettingsToolTips)
        EXPECT_EQ(m_dlg->GetDlgItem(tip.id)->toolTip(), tip.text);
}

// Changing the units reads the fields first: a refusal shows, and the conversion still runs.
// Milliseconds keep the speed of the units shown before them; opened in them, there is none.
TEST_F(SettingsDlgTest, OnlyAChoiceChangesTheUnitsAndConvertsTheFieldsShown) {
    const QStringList refusal{"Please enter a number between 0 and 20."};
    Open(Settings(UNITS_MSEC));
    EXPECT_EQ(Combo(IDC_UNITS)->currentIndex(), 2);
    EXPECT_EQ(Shown(), "[0] , [0.4] Offset (ms):");

    Open(Settings(UNITS_FEET, 7.0));
    EXPECT_EQ(Shown(), "4921.25 (ft/s):, 22.96 Offset (ft)");
    ClickOk(); // the limit stands in the units shown
    EXPECT_EQ(Messages(), refusal);
    QLineEdit* typed = Combo(IDC_UNITS)->lineEdit();
    typed->setFocus();
    typed->selectAll();
    QTest::keyClicks(typed, "me");
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(Messages(), refusal) << "Return presses OK";
    QTest::keyClick(typed, Qt::Key_Tab);
    EXPECT_EQ(Label(IDC_OFFSET_UNITS), "Offset (ft)");
    QTest::keyClick(Combo(IDC_UNITS), Qt::Key_Down); // the list's next item
    EXPECT_EQ(Messages(), refusal);
    EXPECT_EQ(Shown(), "[4921.25] (ft/s):, [4.66] Offset (ms):");
    Combo(IDC_UNITS)->setCurrentIndex(0); // chosen from the list
    emit Combo(IDC_UNITS)->activated(0);
    EXPECT_EQ(Shown(), "1500 (m/s):, 7 Offset (m)");
    ClickOk();
    EXPECT_EQ(m_data.m_nUnits, UNITS_METRES);
    EXPECT_EQ(m_data.m_dSoundSpeedMetric, 1500.0);
    EXPECT_EQ(m_data.m_dOffsetMetric, 7.0);
}

// A refused field keeps the dialog open and the data as it was, with the focus on the field and
// its text selected for retyping.
TEST_F(SettingsDlgTest, TakesEachRangeLimitAndRefusesWhatLiesOutside) {
    const char* period = "Please enter an integer between 1 and 120.";
    const char* tpdr = "Please enter an integer between 10 and 99.";
    const char* offset = "Please enter a number between 0 and 20.";
    const struct {
        int id;
        const char* text;
        const char* refusal; // null when taken
    } cases[] = {
        {IDC_PERIOD, "1", nullptr},
        {IDC_PERIOD, "120", nullptr},
        {IDC_PERIOD, "0", period},
        {IDC_PERIOD, "121", period},
        {IDC_PERIOD, "", "Please enter a positive integer."},
        {IDC_TPDR_NO, "10", nullptr},
        {IDC_TPDR_NO, "99", nullptr},
        {IDC_TPDR_NO, "9", tpdr},
        {IDC_TPDR_NO, "100", tpdr},
        {IDC_OFFSET, "0", nullptr},
        {IDC_OFFSET, "20", nullptr},
        {IDC_OFFSET, "20.01", offset},
        {IDC_OFFSET, "-0.5", offset},
        {IDC_OFFSET, "0,5", "Please enter a number."},
        {IDC_SOUND_SPEED, "", "Please enter a number."},
    };
    for (const auto& c : cases) {
        Open(Settings());
        Edit(c.id)->setText(c.text);
        ClickOk();
        const QStringList expected = c.refusal ? QStringList{c.refusal} : QStringList{};
        EXPECT_EQ(Messages(), expected) << c.id << " " << c.text;
        EXPECT_EQ(m_dlg->result(), c.refusal ? QDialog::Rejected : QDialog::Accepted) << c.text;
        EXPECT_EQ(m_dlg->isVisible(), c.refusal != nullptr) << c.id << " " << c.text;
        if (c.refusal) {
            EXPECT_EQ(m_dlg->focusWidget(), Edit(c.id)) << c.id << " " << c.text;
            EXPECT_EQ(Edit(c.id)->selectedText(), c.text) << c.id;
            EXPECT_EQ(m_data.m_nPeriod, 2u);
        }
    }
}

// A stored value out of range is refused as the dialog opens and at each OK, one message each
// time, with the focus on the first field, then on the refused one; an offset edited meanwhile
// is kept.
TEST_F(SettingsDlgTest, AnInvalidStoredValueIsRefusedUntilMendedAndEditsSurvive) {
    CSettingsData data = Settings();
    data.m_nPeriod = 0;
    Open(data);
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 120."});
    EXPECT_EQ(m_dlg->focusWidget(), Edit(IDC_TPDR_NO));
    Type(IDC_OFFSET, "5");
    QTest::keyClick(Edit(IDC_OFFSET), Qt::Key_Return);
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 1 and 120."});
    EXPECT_EQ(m_dlg->focusWidget(), Edit(IDC_PERIOD));
    EXPECT_TRUE(m_dlg->isVisible());
    Type(IDC_PERIOD, "3");
    ClickOk();
    EXPECT_EQ(m_data.m_nPeriod, 3u);
    EXPECT_EQ(m_data.m_dOffsetMetric, 5.0);
}

// A field visited but not edited keeps its metric value: taken back from the two decimals shown,
// it would change on every visit.
TEST_F(SettingsDlgTest, OnlyEditedValuesGoBackToMetricWhenTheFieldLosesTheFocus) {
    const struct {
        int units, id;
        const char* typed; // null: not edited
        bool leaveByTab;   // else OK is pressed with the field still focused
        double expectedSpeed, expectedOffset;
    } cases[] = {
        {UNITS_FEET, IDC_SOUND_SPEED, "5000", true, 5000 * 0.3048, 0.29},
        {UNITS_FEET, IDC_SOUND_SPEED, "5000", false, 5000 * 0.3048, 0.29},
        {UNITS_FEET, IDC_OFFSET, "3.5", true, 1500.0, 3.5 * 0.3048},
        {UNITS_FEET, IDC_SOUND_SPEED, nullptr, true, 1500.0, 0.29},
        {UNITS_FEET, IDC_OFFSET, nullptr, false, 1500.0, 0.29},
    };
    for (const auto& c : cases) {
        Open(Settings(c.units, 0.29));
        Edit(c.id)->setFocus();
        if (c.typed)
            Type(c.id, c.typed);
        QTest::keyClick(Edit(c.id), c.leaveByTab ? Qt::Key_Tab : Qt::Key_Return);
        if (c.leaveByTab)
            ClickOk();
        EXPECT_FALSE(m_dlg->isVisible()) << c.id;
        EXPECT_EQ(m_data.m_dSoundSpeedMetric, c.expectedSpeed) << c.id << " " << c.typed;
        EXPECT_EQ(m_data.m_dOffsetMetric, c.expectedOffset) << c.id << " " << c.typed;
    }
}

TEST_F(SettingsDlgTest, PortListKeepsTheCurrentPortSelectedPresentOrNot) {
    const struct {
        const char* current;
        std::vector<std::string> ports;
        QStringList items;
        int selected;
    } cases[] = {
        {"COM3", {"COM3", "COM1", "COM3"}, {"COM1", "COM3", "COM3"}, 1},
        {"COM7", {"COM7", "COM1", "COM2"}, {"COM1", "COM2", "COM7"}, 2},
        {"com2", {"com2", "COM10", "COM2"}, {"COM10", "com2", "COM2"}, 1},
        {"COM9", {"COM1", "COM2"}, {"COM1", "COM2"}, 0},
        {"COM1", {}, {}, -1},
    };
    for (const auto& c : cases) {
        CSettingsData data = Settings();
        data.m_strComPort = c.current;
        data.m_arrComPorts = c.ports;
        Open(data);
        EXPECT_EQ(Items(IDC_COM_PORT), c.items) << c.current;
        EXPECT_EQ(Combo(IDC_COM_PORT)->currentIndex(), c.selected) << c.current;
    }
}

// Only a port chosen changes the link; the baud rate shown is taken as it stands.
TEST_F(SettingsDlgTest, BaudRateSelectedByPrefixElseTheFirstItemAndAChosenPortChangesTheLink) {
    const struct {
        const char* text;
        const char* selected;
    } cases[] = {
        {"4,800", "4,800"}, {"38", "38,400"},
        {"1", "19,200"}, // the search starts at the second item
        {"", "14,400"},     {"4800", "14,400"},
    };
    for (const auto& c : cases) {
        CSettingsData data = Settings();
        data.m_strBaudRate = c.text;
        Open(data);
        EXPECT_EQ(Combo(IDC_BAUD_RATE)->currentText(), c.selected) << c.text;
        ClickOk();
        EXPECT_EQ(m_data.m_strBaudRate, c.selected) << c.text;
        EXPECT_FALSE(m_data.m_bLinkChanged) << "nothing was chosen";
    }

    Open(Settings());
    QTest::keyClick(Combo(IDC_COM_PORT), Qt::Key_End);
    ClickOk();
    EXPECT_TRUE(m_data.m_bLinkChanged);
    EXPECT_EQ(m_data.m_strComPort, "COM2");
}

// Cancel then reads none of the fields typed into.
TEST_F(SettingsDlgTest, DigitFieldsTakeOnlyTypedDigitsThatFitAndCancelKeepsTheData) {
    Open(Settings());
    Type(IDC_PERIOD, "1a2.-");
    EXPECT_EQ(Edit(IDC_PERIOD)->text(), "12");
    QTest::keyClick(Edit(IDC_PERIOD), Qt::Key_Backspace);
    EXPECT_EQ(Edit(IDC_PERIOD)->text(), "1");

    Type(IDC_TPDR_NO, "9999999");
    const QString typed = Edit(IDC_TPDR_NO)->text();
    EXPECT_GE(typed.size(), 2);
    EXPECT_LT(typed.size(), 7) << "the field does not scroll";

    Type(IDC_OFFSET, "1.5");
    EXPECT_EQ(Edit(IDC_OFFSET)->text(), "1.5");

    QTest::keyClick(Edit(IDC_OFFSET), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(m_data.m_nPeriod, 2u);
    EXPECT_EQ(m_data.m_nTpdrNo, 10u);
    EXPECT_EQ(m_data.m_dOffsetMetric, 0.6);
}
