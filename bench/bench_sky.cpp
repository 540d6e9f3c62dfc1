// The observing library: one year of minima with every column for a site (the command-line
// program's usual request), and its two costly parts alone. The counter per_minimum is the time
// of one minimum.

#include "heliocentric.h"
#include "observability.h"
#include "positions.h"

#include <benchmark/benchmark.h>

namespace {

void countMinima(benchmark::State &state, std::size_t count)
{
    state.counters["per_minimum"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

constexpr double kNewYear2022 = 2459580.5;
const sky::Site kParis{48.85, 2.35, 35};

void BM_YearOfMinimaAtParis(benchmark::State &state)
{
    const sky::ElementSet set = sky::currentElements();
    double from = kNewYear2022;
    std::size_t count = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(from);
        auto minima = sky::predictMinima(set, from, from + 365, kParis, sky::Conditions{});
        count = minima.size();
        benchmark::DoNotOptimize(minima);
    }
    countMinima(state, count);
}

void BM_YearOfMinimaWithoutSite(benchmark::State &state)
{
    const sky::ElementSet set = sky::currentElements();
    double from = kNewYear2022;
    std::size_t count = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(from);
        auto minima = sky::predictMinima(set, from, from + 365, std::nullopt, sky::Conditions{});
        count = minima.size();
        benchmark::DoNotOptimize(minima);
    }
    countMinima(state, count);
}

void BM_SkyAt(benchmark::State &state)
{
    double jd = kNewYear2022;
    for (auto _ : state) {
        jd += 0.37;
        auto sky = sky::skyAt(kParis, jd);
        benchmark::DoNotOptimize(sky);
    }
}

void BM_GeocentricFromHeliocentric(benchmark::State &state)
{
    double hjd = kNewYear2022;
    for (auto _ : state) {
        hjd += 0.37;
        auto jd = sky::geocentricFromHeliocentric(hjd);
        benchmark::DoNotOptimize(jd);
    }
}

BENCHMARK(BM_YearOfMinimaAtParis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearOfMinimaWithoutSite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkyAt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GeocentricFromHeliocentric)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
