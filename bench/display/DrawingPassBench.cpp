// One paint of the homing view at 1920 x 1080: background fill, mapping and the whole drawing
// pass through the QPainter device context into an image. Goal: 2 ms or less.
#include "CHomingPicture.h"
#include "CPainterDC.h"
#include "GdiColor.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void DrawingPass1920x1080(benchmark::State& state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    // The most ink: the large range text, a chevron and the red connection word.
    const CHomingReadout readout{STAT_OK, 1234.56, "m", DIR_RIGHT, 10, "COM1", "4,800", false};
    const COLORREF crWindow = GetSysColor(COLOR_WINDOW);
    for (auto _ : state) {
        image.fill(ToQColor(crWindow));
        QPainter painter(&image);
        CPainterDC dc(painter);
        CHomingPicture::PrepareDC(dc, image.width(), image.height());
        CHomingPicture(dc, readout, crWindow).Draw();
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(DrawingPass1920x1080)->Unit(benchmark::kMicrosecond);

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
