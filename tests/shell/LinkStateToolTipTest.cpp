#include "LinkStateToolTip.h"

#include <QApplication>
#include <QLabel>
#include <QTextDocument>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A line per fact, none broken however long: the tooltip shown is as wide as its longest line
// and as tall as its lines. Text that looks like markup stays text.
TEST(LinkStateToolTip, ShowsEachFactWholeOnALineOfItsOwn) {
    const std::pair<const char*, QStringList> cases[] = {
        {"COM1 → /tmp/ux/a long folder of the unit/ttySim (/dev/pts/0): no such device — plug the "
         "unit in; present: COM2 = /dev/ttyS1; COM5 = /dev/ttyUSB0",
         {"COM1 → /tmp/ux/a long folder of the unit/ttySim (/dev/pts/0)", "no such device",
          "plug the unit in", "present: COM2 = /dev/ttyS1", "COM5 = /dev/ttyUSB0"}},
        {"<b>COM9</b>: no rate — choose one", {"<b>COM9</b>", "no rate", "choose one"}},
    };
    for (const auto& [state, lines] : cases) {
        QTextDocument document;
        document.setHtml(LinkStateToolTip(state));
        EXPECT_EQ(document.toPlainText(), lines.join('\n')) << state;

        QToolTip::showText(QPoint(10, 10), LinkStateToolTip(state));
        const QLabel* label = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            label =
                widget->objectName() == "qtooltip_label" ? qobject_cast<QLabel*>(widget) : label;
        ASSERT_NE(label, nullptr);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        EXPECT_GE(label->width(), widest) << state;
        EXPECT_LT(label->height(), (lines.size() + 1) * label->fontMetrics().lineSpacing());
        QToolTip::hideText();
    }
}

} // namespace
