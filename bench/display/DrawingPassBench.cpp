// One paint of the homing view at 1920 x 1080, and at 500 x 500 with the range text fitted:
// background fill, mapping and the whole drawing pass through the QPainter device context into an
// image. Goal: 2 ms or less.
#include "CHomingPicture.h"
#include "CPainterDC.h"
#include "GdiColor.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void DrawingPass(benchmark::State& state, QSize size, double dRange) {
    QImage image(size, QImage::Format_RGB32);
    // The most ink: the large range text, a chevron and the red connection word.
    const CHomingReadout readout{STAT_OK, dRange, "m", DIR_RIGHT, 10, "COM1", "4,800", false};
    const COLORREF crWindow = GetSysColor(COLOR_WINDOW);
    for (auto _ : state) {
        image.fill(ToQColor(crWindow));
        QPainter painter(&image);
        CPainterDC dc(painter);
        CHomingPicture::PrepareDC(dc, image.width(), image.height());
        CHomingPicture(dc, readout, crWindow, image.width()).Draw();
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK_CAPTURE(DrawingPass, 1920x1080, QSize(1920, 1080), 1234.56)
    ->Unit(benchmark::kMicrosecond);
// The first start's square window, where the range text is fitted to its width first.
BENCHMARK_CAPTURE(DrawingPass, 500x500Fitted, QSize(500, 500), 99999.9)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
