#include "CQuendixView.h"

#include "CQuendixDoc.h"
#include "FakeDocHost.h"
#include "GdiColor.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Pixels in rows [top, bottom) within 40 of the colour in each channel.
int Count(const QImage& image, int top, int bottom, const QColor& colour) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) < 40 &&
                     std::abs(c.green() - colour.green()) < 40 &&
                     std::abs(c.blue() - colour.blue()) < 40;
        }
    }
    return count;
}

// The real view on the real document, as the window shows it.
TEST(QuendixView, ShowsTheDocumentOnTheWindowColour) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    CQuendixView view(doc);
    view.resize(800, 600);

    // 1000 units are 600 pixels: the information lines above row 120, the range text in
    // 120 to 390, the chevron below.
    const QImage down = view.grab().toImage();
    EXPECT_GT(Count(down, 0, 120, ToQColor(GetSysColor(COLOR_WINDOW))), 800 * 120 / 2);
    EXPECT_GT(Count(down, 0, 120, Qt::blue), 50); // the transponder line
    EXPECT_GT(Count(down, 0, 120, Qt::red), 50);  // "Not Connected"
    EXPECT_GT(Count(down, 120, 390, Qt::black), 20000);
    EXPECT_GT(Count(down, 390, 600, Qt::black), 2000);

    host.mainWindow.connected = true;
    doc.OnReply("-NO REPLY-");
    const QImage up = view.grab().toImage();
    EXPECT_EQ(Count(up, 0, 120, Qt::red), 0);
    EXPECT_EQ(Count(up, 390, 600, Qt::black), 0); // no chevron: each paint starts afresh
}

} // namespace
