// The view on a screen of twice the pixel density: the window is drawn at the device's own
// resolution, so its large type stays sharp instead of being a small picture blown up.
#include "CQuendixDoc.h"
#include "CQuendixView.h"
#include "FakeDocHost.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Sharp type has both; an enlarged half-density picture lacks one or the other.
// Mixed blocks: aligned 2 x 2 pixel blocks whose pixels differ; none where a half-density picture
// was enlarged by repeating its pixels.
// Steep steps: neighbouring pixels that step most of the way between black and white; none where
// a half-density picture was enlarged smoothly, since that spreads every edge over two pixels.
std::pair<int, int> MixedBlocksAndSteepSteps(const QImage& image) {
    int mixed = 0;
    int steep = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb here = image.pixel(x, y);
            steep += std::abs(qGray(image.pixel(x + 1, y)) - qGray(here)) > 192;
            mixed += x % 2 == 0 && y % 2 == 0 &&
                     (image.pixel(x + 1, y) != here || image.pixel(x, y + 1) != here ||
                      image.pixel(x + 1, y + 1) != here);
        }
    }
    return {mixed, steep};
}

TEST(QuendixViewAtTwiceTheDensity, PaintsEveryDevicePixel) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    CQuendixView view(doc);
    view.resize(400, 300);
    ASSERT_EQ(view.devicePixelRatioF(), 2.0);

    const auto [mixed, steep] = MixedBlocksAndSteepSteps(view.grab().toImage());
    EXPECT_GT(mixed, 1000);
    EXPECT_GT(steep, 1000);
}

} // namespace

int main(int argc, char** argv) {
    // The density is fixed when the application starts, so this binary has its own entry.
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
