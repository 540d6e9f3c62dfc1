// The timing library: a thousand eclipses of a hundred camera points each, split and timed (Kwee
// and van Woerden, as auto chooses for such points, and the template for comparison), the fit of
// ten thousand timings, and the conversion of one observation's time.

#include "eclipsemodel.h"
#include "elementsfit.h"
#include "minimumtiming.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

const ephemeris::Elements kElements{2455528.105, 2.867326};
constexpr int kEclipses = 1000;
constexpr int kPointsEach = 100;

// Every eclipse from 4.5 hours before to 4.5 hours after its minimum, with 0.005 mag of noise.
std::vector<timing::Observation> cameraSeries()
{
    std::mt19937_64 random(1);
    std::normal_distribution<double> noise(0, 0.005);
    std::vector<timing::Observation> series;
    for (int e = 0; e < kEclipses; ++e) {
        const double minimum = kElements.epoch + (1000 + e) * kElements.period + 0.002;
        for (int i = 0; i < kPointsEach; ++i) {
            const double t = minimum + (i / (kPointsEach - 1.0) - 0.5) * 9 / 24;
            series.push_back({t, sky::DateScale::HeliocentricUtc,
                              eclipses::algolMagnitudeFast((t - minimum) / kElements.period)
                                  + noise(random),
                              0.005, "ABC", "V"});
        }
    }
    return series;
}

void timeAll(benchmark::State &state, timing::Method method)
{
    const std::vector<timing::Observation> series = cameraSeries();
    timing::TimingOptions options;
    options.method = method;
    for (auto _ : state) {
        int timed = 0;
        for (const timing::Eclipse &eclipse : timing::splitIntoEclipses(series, kElements, 5))
            timed += !timing::timeEclipse(eclipse, kElements, false, options).untimed;
        if (timed != kEclipses)
            state.SkipWithError("an eclipse was not timed");
        benchmark::DoNotOptimize(timed);
    }
}

void BM_TimeThousandEclipsesAuto(benchmark::State &state)
{
    timeAll(state, timing::Method::Auto);
}

void BM_TimeThousandEclipsesTemplate(benchmark::State &state)
{
    timeAll(state, timing::Method::Template);
}

void BM_FitTenThousandTimings(benchmark::State &state)
{
    std::mt19937_64 random(2);
    std::normal_distribution<double> noise(0, 0.001);
    std::vector<timing::TimingPoint> timings;
    for (int i = 0; i < 10000; ++i)
        timings.push_back({kElements.epoch + (i * 3 - 15000) * kElements.period + noise(random), 0.001});
    for (auto _ : state) {
        auto fit = timing::fitElements(timings, sky::currentElements(), true);
        benchmark::DoNotOptimize(fit);
    }
}

void BM_ConvertJdToHjd(benchmark::State &state)
{
    double jd = 2459580.5;
    for (auto _ : state) {
        jd += 0.01;
        auto hjd = sky::convertDate(jd, sky::DateScale::JulianDayUtc, sky::DateScale::HeliocentricUtc);
        benchmark::DoNotOptimize(hjd);
    }
}

BENCHMARK(BM_TimeThousandEclipsesAuto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimeThousandEclipsesTemplate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitTenThousandTimings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertJdToHjd)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
