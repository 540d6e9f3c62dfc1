// One frame of the information window's orbit animation: the phase step, B's new place and order,
// the about window's companion when it is visible, and the processing of pending events, which
// includes repainting the two orbit pictures. Runs on the offscreen platform unless told otherwise.

#include "about.h"
#include "clock.h"
#include "description.h"
#include "fonts.h"
#include "informationwindows.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void discardWindows()
{
    closeInformationWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_AnimationFrame(benchmark::State &state)
{
    const bool aboutVisible = state.range(0) != 0;
    toolkit::ManualClock clock(QDateTime(QDate(2007, 3, 15), QTime(21, 0)));
    showInformationWindow(clock, nullptr);
    if (aboutVisible) {
        loadedDescription()->Command4_Click();
        showInformationWindow(clock, nullptr);
    }
    QCoreApplication::processEvents();
    for (auto _ : state)
        clock.advanceMilliseconds(100); // one tick of Timer1: one frame
    state.SetLabel(aboutVisible ? "about window visible" : "about window closed");
    discardWindows();
}
BENCHMARK(BM_AnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::registerBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
