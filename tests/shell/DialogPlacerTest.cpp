#include "CDialogPlacer.h"

#include <QDialog>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A dialog that asks for its own place, which Qt then keeps.
std::unique_ptr<QDialog> Shown(const QRect& asked, bool bFixed = false) {
    auto dialog = std::make_unique<QDialog>();
    dialog->setGeometry(asked);
    if (bFixed)
        dialog->setFixedSize(asked.size());
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
}

// The placer has the last word as a dialog first appears; the operator's later move is his own.
TEST(DialogPlacer, FitsADialogOntoTheMainWindowsScreenAsItAppearsAndThenLeavesItBe) {
    QWidget main;
    main.setGeometry(100, 100, 300, 200);
    const CDialogPlacer placer(main);
    const QRect area = main.screen()->availableGeometry();
    const QSize large = area.size() + QSize(200, 100);

    EXPECT_EQ(Shown(area.adjusted(10, 20, -10, -20))->geometry(), area.adjusted(10, 20, -10, -20));
    const auto overhanging = Shown(QRect(area.bottomRight() - QPoint(100, 50), QSize(300, 200)));
    EXPECT_EQ(overhanging->frameGeometry().bottomRight(), area.bottomRight());
    EXPECT_EQ(overhanging->size(), QSize(300, 200));
    EXPECT_EQ(Shown(QRect(area.topLeft() - QPoint(500, 0), large))->frameGeometry(), area);
    const auto fixed = Shown(QRect(area.topLeft() - QPoint(500, 0), large), true);
    EXPECT_EQ(fixed->frameGeometry().topLeft(), area.topLeft());
    EXPECT_EQ(fixed->size(), large);

    overhanging->move(area.bottomRight() - QPoint(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(overhanging->pos(), area.bottomRight() - QPoint(10, 10));
}

} // namespace
