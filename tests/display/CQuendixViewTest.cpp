#include "CQuendixView.h"

#include "CHomingPicture.h"
#include "CPainterDC.h"
#include "CQuendixDoc.h"
#include "FakeDocHost.h"
#include "GdiColor.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
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

// The picture as the view paints it into its buffer, drawn by a painter whose own origin may lie
// elsewhere.
void Paint(QPainter& painter, const CHomingReadout& readout, QSize client) {
    CPainterDC dc(painter);
    CHomingPicture::PrepareDC(dc, client.width(), client.height());
    CHomingPicture(dc, readout, GetSysColor(COLOR_WINDOW), client.width()).Draw();
}

QImage Picture(const CHomingReadout& readout, QSize client) {
    QImage image(client, QImage::Format_RGB32);
    image.fill(ToQColor(GetSysColor(COLOR_WINDOW)));
    QPainter painter(&image);
    Paint(painter, readout, client);
    return image;
}

// The pixels drawn outside the client area: on a canvas three clients wide, the client in the
// middle.
int InkBesideTheClient(const CHomingReadout& readout, QSize client) {
    const int width = client.width();
    QImage canvas(width * 3, client.height(), QImage::Format_RGB32);
    const QRgb window = ToQColor(GetSysColor(COLOR_WINDOW)).rgb();
    canvas.fill(window);
    QPainter painter(&canvas);
    painter.setViewport(width, 0, width, client.height());
    painter.setWindow(0, 0, width, client.height());
    Paint(painter, readout, client);
    painter.end();
    int ink = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            ink += (x < width || x >= 2 * width) && line[x] != window;
    }
    return ink;
}

// Square and tall windows: digits are all as wide as each other, so these ranges stand for every
// range of their length.
TEST(QuendixView, EveryReadingIsWholeInsideASquareOrTallWindow) {
    for (const QSize client : {QSize(500, 500), QSize(400, 780)}) {
        for (const char* units : {"m", "ft", "ms"}) {
            for (const double range : {-9999.94, -0.04, 8.8, 88.8, 888.8, 8888.8, 99999.9}) {
                const CHomingReadout readout{STAT_OK, range, units, DIR_LEFT, 99, "COM1", "4,800"};
                EXPECT_EQ(InkBesideTheClient(readout, client), 0)
                    << range << units << " in " << client.width() << "x" << client.height();
            }
        }
        for (const int nStatus : {STAT_NO_TELEGRAM, STAT_BAD_TELEGRAM, STAT_NO_REPLY, 0}) {
            const CHomingReadout readout{nStatus, 0.0, "m", DIR_LEFT, 99, "COM1", "4,800"};
            EXPECT_EQ(InkBesideTheClient(readout, client), 0)
                << nStatus << " in " << client.width() << "x" << client.height();
        }
    }
}

QByteArray Digest(const QImage& image) {
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha256)
        .toHex()
        .left(16);
}

// Wide windows whose readout fits show the picture they always showed, pixel for pixel: the
// digests were taken from pictures drawn before readouts were ever shrunk to fit.
TEST(QuendixView, AReadoutThatFitsIsDrawnAsItAlwaysWas) {
    const CHomingReadout readouts[] = {
        {STAT_OK, 12.34, "m", DIR_RIGHT, 42, "COM3", "9,600", true},
        {STAT_OK, 485.7, "m", DIR_LEFT, 42, "COM3", "9,600", false},
        {STAT_OK, 1513.5, "ft", DIR_AHEAD, 42, "COM3", "9,600", true},
        {STAT_OK, -0.04, "ms", DIR_UNDETERMINED, 42, "COM3", "9,600", true},
        {STAT_OK, 9999.9, "ms", DIR_RIGHT, 42, "COM3", "9,600", false},
        {STAT_OK, 99999.9, "m", DIR_LEFT, 42, "COM3", "9,600", true},
        {STAT_OK, 99999.9, "ft", DIR_AHEAD, 42, "COM3", "9,600", true},
        {STAT_NO_TELEGRAM, 0, "m", DIR_RIGHT, 42, "COM3", "9,600", true},
        {STAT_BAD_TELEGRAM, 0, "m", DIR_RIGHT, 42, "COM3", "9,600", false},
        {STAT_NO_REPLY, 0, "m", DIR_RIGHT, 42, "COM3", "9,600", true},
        {5, 0, "m", DIR_RIGHT, 42, "COM3", "9,600", true},
    };
    const struct {
        QSize client;
        std::size_t readout;
        const char* digest;
    } cases[] = {
        {{800, 600}, 0, "e478d86995226a70"},   {{800, 600}, 9, "0500dbb94e0dd6f3"},
        {{800, 600}, 10, "e0c91e87ca2a3c0c"},  {{1280, 720}, 2, "5a2e566bceab25aa"},
        {{1280, 720}, 4, "b8da4497f2d38e21"},  {{1280, 720}, 6, "a894c921fd36937d"},
        {{1280, 720}, 7, "1689880e0ac540da"},  {{1280, 720}, 8, "4de78a488873b3d3"},
        {{640, 300}, 1, "e36b2934aa06b36d"},   {{640, 300}, 3, "c8c23b3f1bb82933"},
        {{640, 300}, 5, "257c0df3e0d280d9"},   {{1920, 1000}, 0, "42c3cea92772edc7"},
        {{1920, 1000}, 5, "353c36d6e72522ef"}, {{1920, 1000}, 6, "4c2dd240d7d8e162"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Digest(Picture(readouts[c.readout], c.client)), c.digest)
            << c.client.width() << "x" << c.client.height() << " readout " << c.readout;
    }
}

} // namespace
