// The planner's observing loop, against a frame (16 ms) and the 5 ms an estimate may take: an
// estimate added to a night of 60 (the store's whole file written and synced, then the chart's
// log made again and the chart painted at 1920 x 1080, each part alone and both), a night timed
// from 60 estimates by eye or 300 camera points, and the O−C diagram of 10,000 timings in the
// window (the timings file read and fitted, and the diagram repainted at the window's size on a
// 1920 x 1080 screen). Run with --benchmark_repetitions=10 for the medians.

#include "clock.h"
#include "comparisonstars.h"
#include "eclipsemodel.h"
#include "nightchart.h"
#include "nightchartdata.h"
#include "nighttiming.h"
#include "observinglogstore.h"
#include "ocdiagram.h"
#include "plan.h"
#include "plannersettings.h"
#include "plannerwindow.h"
#include "savefile.h"
#include "timingsbook.h"

#include <QImage>
#include <QPixmap>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The minimum of 25 December 2026 seen from the Earth (JD UTC) and the current period.
constexpr double kMinimumJd = 2461400.3913871683;
constexpr double kPeriod = 2.867326;

listing::Request parisRequest()
{
    listing::Request request;
    request.from = QDateTime(QDate(2026, 12, 25), QTime(11, 0), Qt::UTC);
    request.to = request.from.addDays(30);
    request.site = sky::Site{48.85, 2.35, 35};
    request.zone = QTimeZone("Europe/Paris");
    request.elements = sky::currentElements();
    return request;
}

// Estimates by eye every 8.5 minutes through the eclipse, 0.1 of scatter, rounded to 0.1.
std::vector<timing::LogEntry> visualNight(int count)
{
    std::mt19937_64 random(3);
    std::normal_distribution<double> scatter(0, 0.1);
    std::vector<timing::LogEntry> entries;
    for (int i = 0; i < count; ++i) {
        const double jd = kMinimumJd + (i - count / 2) * 8.5 / 1440;
        const double magnitude = std::round(
            (eclipses::algolMagnitude((jd - kMinimumJd) / kPeriod) + scatter(random)) * 10) / 10;
        timing::Estimate estimate{timing::EstimateKind::Magnitude, magnitude, {}, {}, 0, 0};
        entries.push_back(timing::estimateEntry(jd, QString::number(magnitude, 'f', 1).toStdString(), estimate));
    }
    return entries;
}

// A camera's V magnitudes every 1.8 minutes over 9 hours, 0.008 of noise.
std::vector<timing::Observation> cameraNight(int count)
{
    std::mt19937_64 random(4);
    std::normal_distribution<double> noise(0, 0.008);
    std::vector<timing::Observation> points;
    for (int i = 0; i < count; ++i) {
        const double jd = kMinimumJd + (i - count / 2) * 1.8 / 1440;
        points.push_back({jd, sky::DateScale::JulianDayUtc,
                          eclipses::algolMagnitudeFast((jd - kMinimumJd) / kPeriod) + noise(random), 0.008, "CAM", "V"});
    }
    return points;
}

struct Night
{
    QTemporaryDir dir;
    planner::ObservingLogStore store{dir.path()};
    planner::NightChart chart;
    QImage image{1920, 1080, QImage::Format_RGB32};
    std::vector<timing::LogEntry> extra;

    Night()
    {
        const listing::Request request = parisRequest();
        const planner::Plan plan = planner::makePlan(request, request.from);
        chart.setData(planner::nightChartData(request, plan.report.rows.at(0), QStringLiteral("Paris"),
                                              planner::comparisonStars(), request.from, false, QLocale::c()));
        store.open(QDate(2026, 12, 25));
        const std::vector<timing::LogEntry> entries = visualNight(61);
        for (std::size_t i = 0; i + 1 < entries.size(); ++i)
            store.add(entries[i], nullptr);
        extra.push_back(entries.back());
    }
    void paint()
    {
        QPainter painter(&image);
        chart.paint(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
};

// The store's part: the 61st estimate written (the whole file, synced), taken back untimed.
void BM_EstimateStored(benchmark::State &state)
{
    Night night;
    for (auto _ : state) {
        if (!night.store.add(night.extra.front(), nullptr))
            state.SkipWithError("the log could not be written");
        state.PauseTiming();
        night.store.undo(nullptr);
        state.ResumeTiming();
    }
}

// The chart's part: its log made from the night's 61 entries, and the chart painted.
void BM_EstimateDrawn(benchmark::State &state)
{
    Night night;
    night.store.add(night.extra.front(), nullptr);
    for (auto _ : state) {
        night.chart.setLog(planner::chartLogOf(night.store.entries()));
        night.paint();
    }
}

// Both, as the window does them for an estimate added.
void BM_EstimateAddedAndDrawn(benchmark::State &state)
{
    Night night;
    for (auto _ : state) {
        if (!night.store.add(night.extra.front(), nullptr))
            state.SkipWithError("the log could not be written");
        night.chart.setLog(planner::chartLogOf(night.store.entries()));
        night.paint();
        state.PauseTiming();
        night.store.undo(nullptr);
        state.ResumeTiming();
    }
}

void timeNight(benchmark::State &state, const std::vector<timing::Observation> &points)
{
    const sky::ElementSet elements = sky::currentElements();
    const timing::TimingOptions options;
    for (auto _ : state) {
        const planner::NightTiming night = planner::timeNight(points, elements, options);
        if (!night.timed())
            state.SkipWithError("the night was not timed");
        benchmark::DoNotOptimize(night);
    }
}

void BM_TimeNight60Visual(benchmark::State &state)
{
    timeNight(state, timing::observationsOf(visualNight(60), "TVIS"));
}

void BM_TimeNight300Camera(benchmark::State &state)
{
    timeNight(state, cameraNight(300));
}

// Ten thousand timings of the current elements from 2000 to 2050, each a few minutes off.
QByteArray tenThousandTimings()
{
    const sky::ElementSet elements = sky::currentElements();
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0, 1);
    std::vector<timing::TimingRecord> records;
    const long long first = std::llround((2451545.0 - elements.elements.epoch) / elements.elements.period);
    for (int i = 0; i < 10000; ++i) {
        timing::TimingRecord record;
        record.cycle = first + i * 6368 / 10000;
        record.errorDays = 0.0002 + 0.004 * std::fabs(noise(random));
        record.minimum = elements.elements.epoch + elements.elements.period * double(record.cycle)
            + 0.003 * std::sin(double(record.cycle) / 240) + record.errorDays * noise(random);
        record.method = "kvw";
        record.elements = "current";
        record.source = "observations.txt";
        records.push_back(record);
    }
    return QByteArray::fromStdString(timing::timingsFileText(records));
}

// The timings file of 10,000 read and fitted, as when algol-minima writes it meanwhile.
void BM_TimingsFileChanged10000(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray bytes = tenThousandTimings();
    const QString path = dir.filePath(QStringLiteral("timings.csv"));
    listing::saveWhole(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
    planner::TimingsBook book(path, dir.filePath(QStringLiteral("elements.txt")));
    planner::OcDiagram diagram;
    for (auto _ : state) {
        state.PauseTiming();
        book.reload(); // read once; the next one reads again only when the bytes differ
        listing::saveWhole(path, [&](QIODevice &device) { return device.write(bytes + "\n") == bytes.size() + 1; });
        state.ResumeTiming();
        book.reload();
        const timing::ElementsFit fit = book.fit(sky::currentElements());
        diagram.setData(planner::ocData(book.records(), sky::currentElements(), &fit, QLocale::c()));
        state.PauseTiming();
        listing::saveWhole(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
        state.ResumeTiming();
    }
}

// The O−C tab of a window the size of a 1920 x 1080 screen, its diagram of 10,000 timings
// repainted.
void BM_OcDiagramInWindow10000(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray bytes = tenThousandTimings();
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    listing::saveWhole(dir.filePath(QStringLiteral("data/timings.csv")),
                       [&](QIODevice &device) { return device.write(bytes) == bytes.size(); });
    planner::PlannerSettings settings;
    settings.hasSite = true;
    settings.site = {48.85, 2.35, 0};
    settings.zoneId = QStringLiteral("Europe/Paris");
    settings.windowSize = QSize(1920, 1040);
    planner::writeSettings(dir.filePath(QStringLiteral("settings.json")), settings);
    toolkit::ManualClock clock(QDateTime(QDate(2026, 12, 25), QTime(18, 0), QTimeZone("Europe/Paris")));
    planner::PlannerWindow window({clock, QTimeZone("Europe/Paris"), dir.filePath(QStringLiteral("settings.json")),
                                   QStringLiteral("/usr/share/zoneinfo"), QRect(0, 0, 1920, 1080), dir.path(),
                                   dir.filePath(QStringLiteral("data"))});
    window.show();
    for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
        if (tabs->widget(1)->findChild<planner::OcDiagram *>())
            tabs->setCurrentIndex(1);
    auto *diagram = window.findChild<planner::OcDiagram *>();
    if (diagram->data().points.size() != 10000)
        state.SkipWithError("the window's diagram does not hold the 10,000 timings");
    state.counters["width"] = diagram->width();
    state.counters["height"] = diagram->height();
    for (auto _ : state) {
        const QPixmap picture = diagram->grab(); // its paintEvent, as the screen gets it
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}

} // namespace

BENCHMARK(BM_EstimateStored)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EstimateDrawn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EstimateAddedAndDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TimeNight60Visual)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimeNight300Camera)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimingsFileChanged10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OcDiagramInWindow10000)->Unit(benchmark::kMillisecond);
