// One whole recomputation of the main window: compose the instant from the fields, compute the
// minima and the phase, write the outputs and move the star views; and what a typed date does in
// edit mode, which also rebuilds the month list.

#include "algol.h"
#include "clock.h"
#include "textfield.h"


#include <benchmark/benchmark.h>

namespace {

enum class Work { Instant, TypedDate };

void recompute(benchmark::State &state, const char *date, Work work = Work::Instant)
{
    toolkit::ManualClock clock(QDateTime(QDate(2007, 3, 15), QTime(14, 0)));
    const ephemeris::RegionalSettings regional = ephemeris::RegionalSettings::french();
    Algol window(clock, regional);
    window.Text6->setText(QStringLiteral("1"));
    window.Text3->setText(QStringLiteral("23"));
    window.Text4->setText(QStringLiteral("00"));
    window.Text5->setText(QStringLiteral("00"));
    window.Text1->setText(QString::fromLatin1(date));
    window.Command1_Click(); // edit mode
    for (auto _ : state) {
        if (work == Work::Instant)
            window.ComposeInstant();
        else
            window.Text1_Change();
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

void BM_TypedDateIn2007(benchmark::State &state)
{
    recompute(state, "15/03/2007", Work::TypedDate);
}
void BM_TypedDateOn31December9999(benchmark::State &state)
{
    recompute(state, "31/12/9999", Work::TypedDate);
}

BENCHMARK(BM_RecomputeIn2007);
BENCHMARK(BM_TypedDateIn2007);
BENCHMARK(BM_TypedDateOn31December9999);
BENCHMARK(BM_RecomputeOn31December9999);

} // namespace
