// The whole application in a throw-away installation folder: start-up, placement kept across
// runs, the new-document command, the About box and the platform services it gives the document.
#include "CMainFrame.h"
#include "CPrivateProfile.h"
#include "CQuendixApp.h"
#include "CQuendixDoc.h"
#include "CommandIds.h"
#include "ModalAnswer.h"
#include "TempFolder.h"

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

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
        app.reset(); // a second copy would not get the log
        app = std::make_unique<CQuendixApp>((folder / "bin").string() + "/");
        ASSERT_TRUE(app->InitInstance());
    }

    std::filesystem::path IniPath() const { return folder / "INI" / "Quendix.ini"; }
    void SetIni(const std::string& text) const { TempFolder::WriteAll(IniPath(), text); }
    CMainFrame& Frame() { return *app->GetMainFrame(); }

    TempFolder folder;
    std::unique_ptr<CQuendixApp> app;
};

// Without its DATA folder the log cannot be opened, which a warning says as it starts.
TEST_F(QuendixAppTest, FirstStartWarnsOfTheLogShowsDefaultWindowAndSavesPlacementFirst) {
    std::filesystem::remove(IniPath());
    std::filesystem::remove(folder / "bin" / "DATA");
    QString shown;
    AnswerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        shown = box->windowTitle() + ": " + box->text();
        box->accept();
    });
    Start();
    EXPECT_EQ(shown, "Quendix: Log File not found - data not being logged");
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Quendix");
    EXPECT_EQ(Frame().frameGeometry(), QRect(0, 0, 500, 500));

    Frame().close();
    app.reset();
    EXPECT_TRUE(TempFolder::ReadAll(IniPath()).starts_with(
        "[MainFrameState]\r\nSettings=0 0 500 500 0 0\r\n[Settings]\r\nUnits=0\r\n"));
}

// A rectangle off every screen is moved onto one.
TEST_F(QuendixAppTest, PlacementIsRestoredAndSavedAgain) {
    const struct {
        const char* stored;
        bool minimised, maximised;
        QRect normal;
        const char* written;
    } cases[] = {
        {"10 20 510 420 0 1", false, true, QRect(10, 20, 500, 400), "10 20 510 420 0 1"},
        {"10 20 510 420 1 0", true, false, QRect(10, 20, 500, 400), "10 20 510 420 1 0"},
        {"10 20 510 420 1 1", true, true, QRect(10, 20, 500, 400), "10 20 510 420 1 1"},
        {"5000 5000 5500 5500 0 0", false, false, QRect(300, 300, 500, 500), "300 300 800 800 0 0"},
    };
    for (const auto& c : cases) {
        SetIni(std::string("[MainFrameState]\r\nSettings=") + c.stored +
               "\r\n[Settings]\r\nComPort=COM99\r\n");
        Start();
        EXPECT_EQ(Frame().isMinimized(), c.minimised) << c.stored;
        EXPECT_EQ(Frame().windowState().testFlag(Qt::WindowMaximized), c.maximised) << c.stored;
        app->SaveWindowPlacement();
        EXPECT_EQ(CPrivateProfile(IniPath()).GetProfileString("MainFrameState", "Settings", ""),
                  c.written);

        Frame().showNormal();
        QCoreApplication::processEvents();
        EXPECT_EQ(Frame().frameGeometry(), c.normal) << c.stored;
    }
}

// Ctrl+O: the document reads nothing from a file. Cancel does nothing; a chosen file shows the
// frame again, once in the state restored at start-up, then as it is. Ctrl+N reloads the settings.
TEST_F(QuendixAppTest, OpenCommandOnlyActivatesTheFrameAgainAndNewReloads) {
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

    Frame().hide();
    Frame().actions().front()->trigger();
    EXPECT_EQ(Frame().GetActiveDocument()->GetTpdrNo(), 77);
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(QuendixAppTest, AboutBoxAndSaveFileDialog) {
    Start();
    QStringList shown; // the title, then the labels
    AnswerNextModal([&](QWidget* modal) {
        shown << modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>())
            shown << label->text();
        modal->close();
    });
    app->OnAppAbout();
    EXPECT_EQ(shown.value(0), "About Quendix Instruments Quendix Display");
    EXPECT_TRUE(shown.contains("Quendix Display Version 1.03"));
    EXPECT_TRUE(shown.contains("Release Date 30/07/2002"));

    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"LogFile (*.txt)"});
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(),
                  (folder / "bin" / "DATA").string());
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<std::string> name = app->RunSaveFileDialog(
        {"txt", "Survey", "LogFile (*.txt)|*.txt", (folder / "bin").string() + "\\DATA\\"});
    EXPECT_EQ(name, std::optional<std::string>("Survey.txt"));
}

} // namespace
