// algol-minima's work between the options and the bytes: the report of a period (minima, times in
// the zone, the sky at each minimum), for Algol and for every star, and its iCalendar text.

#include "formats.h"
#include "report.h"

#include <benchmark/benchmark.h>

namespace {

listing::Request parisRequest(int days)
{
    listing::Request options;
    options.from = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC);
    options.to = options.from.addDays(days);
    options.site = sky::Site{48.85, 2.35, 35};
    options.zone = QTimeZone("Europe/Paris");
    options.elements = sky::currentElements();
    options.all = true; // every minimum, the worst case
    return options;
}

const QDateTime kGenerated(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);

void BM_YearReport(benchmark::State &state)
{
    const listing::Request options = parisRequest(365);
    for (auto _ : state)
        benchmark::DoNotOptimize(listing::makeReport(options, kGenerated));
}
BENCHMARK(BM_YearReport)->Unit(benchmark::kMillisecond);

void BM_YearTable(benchmark::State &state)
{
    const listing::Request options = parisRequest(365);
    for (auto _ : state)
        benchmark::DoNotOptimize(listing::tableText(listing::makeReport(options, kGenerated), QLocale::c()));
}
BENCHMARK(BM_YearTable)->Unit(benchmark::kMillisecond);

void BM_TenYearsIcs(benchmark::State &state)
{
    const listing::Request options = parisRequest(3652);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray ics = listing::icsText(listing::makeReport(options, kGenerated));
        bytes = std::size_t(ics.size());
        benchmark::DoNotOptimize(ics.data());
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_TenYearsIcs)->Unit(benchmark::kMillisecond);

// The night's plan across stars: every star's minima of a year, primaries and secondaries, merged
// by time (algol-minima --star all --days 365), the table of those that can be seen; the counter
// minima is how many the report holds.
void BM_YearOfEveryStar(benchmark::State &state)
{
    listing::Request options = parisRequest(365);
    options.everyStar = true;
    options.all = false;
    std::size_t minima = 0;
    for (auto _ : state) {
        const listing::Report report = listing::makeReport(options, kGenerated);
        minima = std::size_t(report.minimaInPeriod);
        benchmark::DoNotOptimize(listing::tableText(report, QLocale::c()));
    }
    state.counters["minima"] = double(minima);
}
BENCHMARK(BM_YearOfEveryStar)->Unit(benchmark::kMillisecond);

// The same, every minimum listed (--all): the watchable hours of each.
void BM_YearOfEveryStarAll(benchmark::State &state)
{
    listing::Request options = parisRequest(365);
    options.everyStar = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(listing::tableText(listing::makeReport(options, kGenerated), QLocale::c()));
}
BENCHMARK(BM_YearOfEveryStarAll)->Unit(benchmark::kMillisecond);

// The text alone, from a report made once.
void BM_TenYearsIcsFormatting(benchmark::State &state)
{
    const listing::Report report = listing::makeReport(parisRequest(3652), kGenerated);
    for (auto _ : state)
        benchmark::DoNotOptimize(listing::icsText(report));
}
BENCHMARK(BM_TenYearsIcsFormatting)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
