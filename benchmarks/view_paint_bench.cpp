// links: view
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "platform/qt_surface.h"
#include "tests/support/fake_ports.h"
#include "view/kvwin_view.h"

namespace {

// A full screen page: 36 diagrams of A7 (52 shapes with full fret windows),
// six a row, painted as the view paints them.
void BM_PaintFullPage(benchmark::State& state)
{
    FakeUi ui;
    FakeMidi midi;
    PersistentSettings frame;
    frame.m_wExp = 1;  // full windows, six a row
    CKvwinDoc doc(CKvwinDoc::Ports{&ui, &midi, nullptr});
    doc.OnNewDocument();
    doc.InitDocument(frame);
    doc.m_wChordMask = 0x491;
    doc.FindVoicings(doc.m_wChordMask);
    if (doc.m_nVoicingCount < 36) {
        state.SkipWithError("fewer than 36 voicings");
        return;
    }
    CKvwinView view(doc, nullptr, nullptr);
    QImage image(1920, 1080, QImage::Format_RGB32);

    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::QtSurface surface(painter, platform::Mapping::screen());
        view.OnDraw(surface);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("36 diagrams, 1920x1080");
}
BENCHMARK(BM_PaintFullPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
