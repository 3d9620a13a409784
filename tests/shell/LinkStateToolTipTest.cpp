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
    const struct {
        const char* state;
        QStringList lines;
    } cases[] = {
        {"COM1 → /tmp/ux/a long folder of the unit/ttySim (/dev/pts/0): no such device — plug the "
         "unit in; present: COM2 = /dev/ttyS1; COM5 = /dev/ttyUSB0",
         {"COM1 → /tmp/ux/a long folder of the unit/ttySim (/dev/pts/0)", "no such device",
          "plug the unit in", "present: COM2 = /dev/ttyS1", "COM5 = /dev/ttyUSB0"}},
        {"<b>COM9</b>: the baud rate \"x\" is no rate — choose one in Settings",
         {"<b>COM9</b>", "the baud rate \"x\" is no rate", "choose one in Settings"}},
        {"no colon here", {"no colon here"}},
    };
    for (const auto& c : cases) {
        const QString tip = LinkStateToolTip(c.state);
        QTextDocument document;
        document.setHtml(tip);
        EXPECT_EQ(document.toPlainText(), c.lines.join('\n')) << c.state;

        QToolTip::showText(QPoint(10, 10), tip);
        const QLabel* label = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QStringLiteral("qtooltip_label"))
                label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        int widest = 0;
        for (const QString& line : c.lines)
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        EXPECT_GE(label->width(), widest) << c.state;
        EXPECT_LT(label->height(), (c.lines.size() + 1) * label->fontMetrics().lineSpacing())
            << c.state;
        QToolTip::hideText();
    }
}

} // namespace
