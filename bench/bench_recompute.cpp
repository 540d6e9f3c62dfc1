// One whole recomputation of the main window: compose the instant from the fields, compute the
// minima and the phase, write the outputs and move the star views.

#include "algol.h"
#include "clock.h"
#include "regional.h"
#include "textfield.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void recompute(benchmark::State &state, const char *date)
{
    toolkit::ManualClock clock(QDateTime(QDate(2007, 3, 15), QTime(14, 0)));
    Algol window(clock);
    window.Text6->setText(QStringLiteral("1"));
    window.Text3->setText(QStringLiteral("23"));
    window.Text4->setText(QStringLiteral("00"));
    window.Text5->setText(QStringLiteral("00"));
    window.Text1->setText(QString::fromLatin1(date));
    for (auto _ : state) {
        window.ComposeInstant();
        benchmark::DoNotOptimize(window.CurrentPhase);
    }
}

void BM_RecomputeIn2007(benchmark::State &state)
{
    recompute(state, "15/03/2007");
}
void BM_RecomputeOn31December9999(benchmark::State &state)
{
    recompute(state, "31/12/9999");
}

BENCHMARK(BM_RecomputeIn2007);
BENCHMARK(BM_RecomputeOn31December9999);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::setRegionalSettings(ephemeris::RegionalSettings::french());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
