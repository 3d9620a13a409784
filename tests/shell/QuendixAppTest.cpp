// The whole application in a throw-away installation folder: start-up, placement kept across
// runs, the new-document command, the About box and the platform services it gives the document.
#include "CMainFrame.h"
#include "CPrivateProfile.h"
#include "CQuendixApp.h"
#include "CQuendixDoc.h"
#include "CommandIds.h"
#include "ModalAnswer.h"
#include "TempFolder.h"

#include <QAbstractEventDispatcher>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class QuendixAppTest : public testing::Test {
protected:
    QuendixAppTest() {
        std::filesystem::create_directories(folder / "bin" / "DATA");
        std::filesystem::create_directories(folder / "INI");
        // A port that leads to no device, so no test touches a real serial port.
        SetIni("[Settings]\r\nComPort=COM99\r\n");
    }

    void Start() {
        app = std::make_unique<CQuendixApp>((folder / "bin").string() + "/");
        ASSERT_TRUE(app->InitInstance());
    }

    // Closes the window as the operator would, then ends the program.
    void CloseAndEnd() {
        app->GetMainFrame()->close();
        app.reset();
    }

    std::string Placement() {
        return CPrivateProfile(IniPath()).GetProfileString("MainFrameState", "Settings", "");
    }
    std::filesystem::path IniPath() const { return folder / "INI" / "Quendix.ini"; }
    void SetIni(const std::string& text) const { TempFolder::WriteAll(IniPath(), text); }
    CMainFrame& Frame() { return *app->GetMainFrame(); }

    TempFolder folder;
    std::unique_ptr<CQuendixApp> app;
};

TEST_F(QuendixAppTest, FirstStartShowsDefaultWindowAndSavesPlacementBeforeSettings) {
    std::filesystem::remove(IniPath());
    Start();
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Quendix");
    EXPECT_EQ(Frame().frameGeometry(), QRect(0, 0, 500, 500));
    EXPECT_EQ(QAbstractEventDispatcher::instance()->registeredTimers(&Frame()).size(), 1);

    CloseAndEnd();
    const std::string text = TempFolder::ReadAll(IniPath());
    EXPECT_EQ(
        text.rfind("[MainFrameState]\r\nSettings=0 0 500 500 0 0\r\n[Settings]\r\nUnits=0\r\n", 0),
        0U)
        << text;
}

struct PlacementCase {
    const char* name;
    const char* stored;
    bool minimised;
    bool maximised;
    QRect normal;
    const char* written;
};

class AppPlacement : public QuendixAppTest, public testing::WithParamInterface<PlacementCase> {};

TEST_P(AppPlacement, IsRestoredAndSavedAgain) {
    SetIni(std::string("[MainFrameState]\r\nSettings=") + GetParam().stored +
           "\r\n[Settings]\r\nComPort=COM99\r\n");
    Start();
    EXPECT_EQ(Frame().isMinimized(), GetParam().minimised);
    EXPECT_EQ(Frame().windowState().testFlag(Qt::WindowMaximized), GetParam().maximised);
    app->SaveWindowPlacement();
    EXPECT_EQ(Placement(), GetParam().written);

    Frame().showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(Frame().frameGeometry(), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(
    States, AppPlacement,
    testing::Values(PlacementCase{"Normal", "10 20 510 420 0 0", false, false,
                                  QRect(10, 20, 500, 400), "10 20 510 420 0 0"},
                    PlacementCase{"Maximised", "10 20 510 420 0 1", false, true,
                                  QRect(10, 20, 500, 400), "10 20 510 420 0 1"},
                    PlacementCase{"MinimisedFromNormal", "10 20 510 420 1 0", true, false,
                                  QRect(10, 20, 500, 400), "10 20 510 420 1 0"},
                    PlacementCase{"MinimisedFromMaximised", "10 20 510 420 1 1", true, true,
                                  QRect(10, 20, 500, 400), "10 20 510 420 1 1"},
                    PlacementCase{"ShortAndTabbed", "100\t100  600 400", false, false,
                                  QRect(100, 100, 500, 300), "100 100 600 400 0 0"},
                    PlacementCase{"OffEveryScreen", "5000 5000 5500 5500 0 0", false, false,
                                  QRect(300, 300, 500, 500), "300 300 800 800 0 0"}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST_F(QuendixAppTest, NewDocumentCommandReloadsSettingsAndReactivates) {
    Start();
    CPrivateProfile(IniPath()).WriteProfileString("Settings", "TpdrNo", "7");
    Frame().actions().front()->trigger(); // Ctrl+N

    EXPECT_EQ(Frame().GetActiveDocument()->GetTpdrNo(), 7);
    EXPECT_EQ(QAbstractEventDispatcher::instance()->registeredTimers(&Frame()).size(), 1);
    EXPECT_TRUE(Frame().isVisible());
}

// Ctrl+O: the document reads nothing from a file. Cancel does nothing; a chosen file shows the
// frame again, once in the state restored at start-up, then as it is.
TEST_F(QuendixAppTest, OpenCommandOnlyActivatesTheFrameAgain) {
    SetIni("[MainFrameState]\r\nSettings=10 20 510 420 0 1\r\n[Settings]\r\nComPort=COM99\r\n");
    Start();
    CPrivateProfile(IniPath()).WriteProfileString("Settings", "TpdrNo", "77");
    for (const auto& [answer, maximised] : {std::pair{QDialog::Rejected, false},
                                            {QDialog::Accepted, true},
                                            {QDialog::Accepted, false}}) {
        Frame().showNormal();
        AnswerNextModal([answer = answer](QWidget* modal) {
            ASSERT_NE(qobject_cast<QFileDialog*>(modal), nullptr);
            static_cast<QDialog*>(modal)->done(answer);
        });
        app->OnFileOpen();
        EXPECT_EQ(Frame().isMaximized(), maximised) << answer;
    }
    EXPECT_EQ(Frame().GetActiveDocument()->GetTpdrNo(), 10);
}

TEST_F(QuendixAppTest, AboutBoxShowsNameVersionAndDate) {
    Start();
    QString title;
    QStringList texts;
    AnswerNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            texts << label->text();
        }
        modal->close();
    });
    app->OnAppAbout();

    EXPECT_EQ(title, "About Quendix Instruments Quendix Display");
    EXPECT_TRUE(texts.contains("Quendix Display Version 1.03"));
    EXPECT_TRUE(texts.contains("Release Date 30/07/2002"));
}

TEST_F(QuendixAppTest, LogFailureIsAWarningCaptionedQuendix) {
    std::filesystem::remove(folder / "bin" / "DATA");
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    Start();
    EXPECT_EQ(caption, "Quendix");
    EXPECT_EQ(text, "Log File not found - data not being logged");
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(QuendixAppTest, SaveFileDialogOffersTextFilesInData) {
    Start();
    QStringList filters;
    QString folderShown;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        folderShown = dialog->directory().absolutePath();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<std::string> name = app->RunSaveFileDialog(
        {"txt", "Survey", "LogFile (*.txt)|*.txt", (folder / "bin").string() + "\\DATA\\"});

    EXPECT_EQ(filters, QStringList{"LogFile (*.txt)"});
    EXPECT_EQ(folderShown.toStdString(), (folder / "bin" / "DATA").string());
    EXPECT_EQ(name, std::optional<std::string>("Survey.txt"));
}

} // namespace
