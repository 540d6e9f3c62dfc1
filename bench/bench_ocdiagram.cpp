// The O−C diagram: its data made from ten thousand timings over fifty years, and one paint of it
// at 1920 x 1080, which must stay under a frame (16 ms) for the diagram to follow the pointer.

#include "ocdata.h"
#include "ocdiagram.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

// Ten thousand minima of the current elements from 2000 to 2050, spread over the cycles, each
// moved by a wave of a few minutes (the third star), noise and its error; one in fifty is wild.
struct Timings
{
    std::vector<timing::TimingRecord> records;
    timing::ElementsFit fit;
};

Timings tenThousandTimings()
{
    const sky::ElementSet elements = sky::currentElements();
    const ephemeris::Elements &e = elements.elements;
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 1);
    Timings timings;
    const long long firstCycle = std::llround((2451545.0 - e.epoch) / e.period);
    const long long cycles = std::llround(50 * 365.25 / e.period);
    for (int i = 0; i < 10000; ++i) {
        timing::TimingRecord record;
        record.cycle = firstCycle + i * cycles / 10000;
        const double wave = 0.003 * std::sin(double(record.cycle) / 240);
        record.errorDays = 0.0002 + 0.004 * std::fabs(noise(random));
        record.minimum = e.epoch + e.period * double(record.cycle) + wave
            + record.errorDays * noise(random) + (i % 50 == 0 ? 0.02 : 0);
        record.method = i % 3 == 0 ? "template" : "kvw";
        record.source = "observations.txt";
        timings.records.push_back(record);
    }
    const auto points = timing::timingPointsOf(timings.records, sky::DateScale::HeliocentricUtc);
    timings.fit = timing::fitElements(points, elements, true);
    return timings;
}

void BM_OcData10000(benchmark::State &state)
{
    const Timings timings = tenThousandTimings();
    for (auto _ : state) {
        planner::OcData data = planner::ocData(timings.records, sky::currentElements(), &timings.fit, QLocale::c());
        benchmark::DoNotOptimize(data);
    }
}

void BM_OcPaint10000At1920x1080(benchmark::State &state)
{
    const Timings timings = tenThousandTimings();
    planner::OcDiagram diagram;
    diagram.setData(planner::ocData(timings.records, sky::currentElements(), &timings.fit, QLocale::c()));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        diagram.paint(painter, image.rect(), planner::OcDiagram::Scheme::Dark);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}

} // namespace

BENCHMARK(BM_OcData10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OcPaint10000At1920x1080)->Unit(benchmark::kMillisecond);
