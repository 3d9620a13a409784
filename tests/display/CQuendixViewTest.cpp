#include "CQuendixView.h"

#include "CQuendixDoc.h"
#include "FakeDocHost.h"
#include "GdiColor.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct Census {
    int background = 0;
    int black = 0;
    int blue = 0;
    int red = 0;
};

// Pixels of each colour in rows [top, bottom).
Census CountColours(const QImage& image, COLORREF crBackground, int top, int bottom) {
    Census census;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            census.background += ToColorRef(c) == crBackground ? 1 : 0;
            census.black += c.red() < 40 && c.green() < 40 && c.blue() < 40 ? 1 : 0;
            census.blue += c.red() < 40 && c.green() < 40 && c.blue() > 215 ? 1 : 0;
            census.red += c.red() > 215 && c.green() < 40 && c.blue() < 40 ? 1 : 0;
        }
    }
    return census;
}

// The real view on the real document, as the window shows it.
TEST(QuendixView, ShowsTheDocumentOnTheWindowColour) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    CQuendixView view(doc);
    view.resize(800, 600);
    const COLORREF crWindow = GetSysColor(COLOR_WINDOW);

    // 1000 units are 600 pixels: the information lines above row 120, the range text in
    // 120 to 390, the chevron below.
    const QImage down = view.grab().toImage();
    const Census info = CountColours(down, crWindow, 0, 120);
    const Census range = CountColours(down, crWindow, 120, 390);
    const Census chevron = CountColours(down, crWindow, 390, 600);
    EXPECT_GT(info.background, 800 * 120 / 2);
    EXPECT_GT(info.blue, 50); // the transponder line
    EXPECT_GT(info.red, 50);  // "Not Connected"
    EXPECT_GT(range.black, 20000);
    EXPECT_GT(chevron.black, 2000);

    host.mainWindow.connected = true;
    doc.OnReply("-NO REPLY-");
    const QImage up = view.grab().toImage();
    EXPECT_EQ(CountColours(up, crWindow, 0, 120).red, 0);
    EXPECT_GT(CountColours(up, crWindow, 120, 390).black, 5000); // the smaller status word
    EXPECT_EQ(CountColours(up, crWindow, 390, 600).black, 0);    // and no chevron
}

} // namespace
