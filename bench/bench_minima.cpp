// The stepping from the epoch to the last minimum, fast and literal, for an instant on the last
// day of the calendar (about 1,022,500 additions), and the whole chain of pure functions that one
// recomputation of the minima runs.

#include "minima.h"
#include "calendar.h"
#include "textconversions.h"
#include "yearlist.h"

#include <benchmark/benchmark.h>

namespace {

using ephemeris::Elements;

// 31/12/9999 23:00 UT.
constexpr double kLastDayInstant = 2958465 + ephemeris::kJulianDayOffset + 23.0 / 24.0;

void BM_StepMinimumFast(benchmark::State &state)
{
    const Elements elements;
    double instant = kLastDayInstant;
    for (auto _ : state) {
        benchmark::DoNotOptimize(instant);
        auto last = ephemeris::stepMinimum(elements.epoch, elements.period,
                                           instant - elements.period);
        benchmark::DoNotOptimize(last);
    }
}

void BM_StepMinimumLiteral(benchmark::State &state)
{
    const Elements elements;
    double instant = kLastDayInstant;
    for (auto _ : state) {
        benchmark::DoNotOptimize(instant);
        auto last = ephemeris::stepMinimumLiteral(elements.epoch, elements.period,
                                                  instant - elements.period, 2'000'000);
        benchmark::DoNotOptimize(last);
    }
}

// Read the instant text, step to the last minimum, show the next minimum and the phase.
void minimaChain(benchmark::State &state, const char *instantText)
{
    const Elements elements;
    const auto regional = ephemeris::RegionalSettings::french();
    const std::string text = instantText;
    for (auto _ : state) {
        const auto instant = ephemeris::parseRegionalNumber(text, regional);
        const auto last = ephemeris::lastMinimumAtOrBefore(*instant, elements);
        const double next = *last + elements.period;
        auto nextText = ephemeris::formatInstant(next - ephemeris::kJulianDayOffset, regional);
        auto phaseText =
            ephemeris::formatPhase(ephemeris::phaseOf(*instant, *last, elements), regional);
        benchmark::DoNotOptimize(nextText);
        benchmark::DoNotOptimize(phaseText);
    }
}

void BM_MinimaChainIn2007(benchmark::State &state)
{
    minimaChain(state, "2454174,95833333"); // 15/03/2007 11:00 UT
}

void BM_MinimaChainOn31December9999(benchmark::State &state)
{
    minimaChain(state, "5373484,45833333"); // 31/12/9999 23:00 UT
}

// The whole text of the last year that can be listed: the step to 1 January 9998 and about 128
// formatted lines.
void BM_YearListText9998(benchmark::State &state)
{
    const Elements elements;
    const auto regional = ephemeris::RegionalSettings::french();
    const double start =
        double(ephemeris::dayNumberOf({ephemeris::kLastListYear, 1, 1})) + ephemeris::kJulianDayOffset;
    for (auto _ : state) {
        benchmark::DoNotOptimize(start);
        const auto first = ephemeris::stepMinimum(elements.epoch, elements.period, start);
        auto text = ephemeris::yearListText(*first, ephemeris::kLastListYear, {},
                                            regional, elements);
        benchmark::DoNotOptimize(text);
    }
}

BENCHMARK(BM_StepMinimumFast);
BENCHMARK(BM_StepMinimumLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinimaChainIn2007);
BENCHMARK(BM_MinimaChainOn31December9999);
BENCHMARK(BM_YearListText9998)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
