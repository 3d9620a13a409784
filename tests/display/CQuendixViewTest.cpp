#include "CQuendixView.h"

#include "CHomingPicture.h"
#include "CPainterDC.h"
#include "CQuendixDoc.h"
#include "FakeDocHost.h"
#include "GdiColor.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The picture as the view paints it into its buffer, on a canvas three clients wide with the
// client in the middle, so that what would be cut at the client's edges shows beside it.
QImage Canvas(const CHomingReadout& readout, QSize client) {
    const int width = client.width();
    QImage canvas(width * 3, client.height(), QImage::Format_RGB32);
    canvas.fill(ToQColor(GetSysColor(COLOR_WINDOW)));
    QPainter painter(&canvas);
    painter.setViewport(width, 0, width, client.height());
    painter.setWindow(0, 0, width, client.height());
    CPainterDC dc(painter);
    CHomingPicture::PrepareDC(dc, width, client.height());
    CHomingPicture(dc, readout, GetSysColor(COLOR_WINDOW), width).Draw();
    return canvas;
}

int InkBesideTheClient(const CHomingReadout& readout, QSize client) {
    const QImage canvas = Canvas(readout, client);
    const QRgb window = ToQColor(GetSysColor(COLOR_WINDOW)).rgb();
    int ink = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            ink += (x < client.width() || x >= 2 * client.width()) && line[x] != window;
    }
    return ink;
}

// Square and tall windows: digits are all as wide as each other, so these ranges stand for every
// range of their length.
TEST(QuendixView, EveryReadingIsWholeInsideASquareOrTallWindow) {
    for (const QSize client : {QSize(500, 500), QSize(400, 780)})
        for (const int nStatus : {STAT_OK, STAT_NO_TELEGRAM, STAT_BAD_TELEGRAM, STAT_NO_REPLY, 0})
            for (const char* units : {"m", "ft", "ms"})
                for (const double range : {-9999.94, -0.04, 8.8, 88.8, 888.8, 8888.8, 99999.9})
                    EXPECT_EQ(
                        InkBesideTheClient(
                            {nStatus, range, units, DIR_LEFT, 99, "COM1", "4,800", false}, client),
                        0)
                        << nStatus << " " << range << units << " in " << client.width() << "x"
                        << client.height();
}

QImage Picture(const CHomingReadout& readout, QSize client) {
    return Canvas(readout, client).copy(QRect(QPoint(client.width(), 0), client));
}

// The real view on the real document paints the picture of the document's reading.
TEST(QuendixView, PaintsTheDocumentsReading) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nTpdrNo=42\r\nUnits=1\r\nComPort=COM7\r\nBaudRate=9,600\r\n");
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    CQuendixView view(doc);
    view.resize(800, 600);
    const auto shown = [&view] {
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    doc.OnReply("$250 ^^^^");
    EXPECT_EQ(shown(),
              Picture({STAT_OK, 820.2, "ft", DIR_AHEAD, 42, "COM7", "9,600", false}, view.size()));
    host.mainWindow.connected = true;
    doc.OnReply(""); // a bad telegram
    EXPECT_EQ(shown(), Picture({STAT_BAD_TELEGRAM, 0, "ft", DIR_AHEAD, 42, "COM7", "9,600", true},
                               view.size()));
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
