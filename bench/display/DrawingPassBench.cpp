// One paint of the homing view at 1920 x 1080: background fill, mapping and the whole drawing
// pass through the QPainter device context into an image. Goal: 2 ms or less.
#include "display/CHomingPicture.h"
#include "platform/gdi/CPainterDC.h"
#include "platform/gdi/GdiColor.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

CHomingReadout Readout() {
    CHomingReadout readout;
    readout.m_nStatus = STAT_OK;
    readout.m_dRange = 1234.56;
    readout.m_strUnitsAbbrev = "m";
    readout.m_nDirection = DIR_RIGHT;
    readout.m_nTpdrNo = 10;
    readout.m_strComPort = "COM1";
    readout.m_strBaudRate = "4,800";
    readout.m_bConnected = false;
    return readout;
}

void DrawingPass1920x1080(benchmark::State& state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    const CHomingReadout readout = Readout();
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
