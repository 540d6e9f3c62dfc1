// The night's observing log: storing one entry in a night of 200 (the whole file written and
// synced to the disk), and the file's text alone. Run with --benchmark_repetitions=10 for the
// median.

#include "observinglogstore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 200;

timing::LogEntry entry(int i)
{
    timing::LogEntry e;
    e.jdUtc = 2461400.3 + i * 0.001;
    e.kind = timing::EntryKind::Step;
    e.magnitude = 2.938;
    e.estimate = "eps Per 2 V 3 del Per";
    e.comp1 = "29";
    e.comp2 = "30";
    e.codes = "B";
    e.note = "haze, low";
    return e;
}

void BM_StoreOneEntryOf200(benchmark::State &state)
{
    QTemporaryDir dir;
    planner::ObservingLogStore store(dir.path());
    store.open(QDate(2026, 12, 25));
    for (int i = 0; i < kEntries - 1; ++i)
        store.add(entry(i), nullptr);
    int i = kEntries;
    for (auto _ : state) {
        // An entry added, the night then holding 200, and taken away again outside the timing.
        if (!store.add(entry(i++), nullptr))
            state.SkipWithError("the log could not be written");
        state.PauseTiming();
        store.undo(nullptr);
        state.ResumeTiming();
    }
}

void BM_LogTextOf200(benchmark::State &state)
{
    std::vector<timing::LogEntry> entries;
    for (int i = 0; i < kEntries; ++i)
        entries.push_back(entry(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(timing::logText(entries));
}

} // namespace

BENCHMARK(BM_StoreOneEntryOf200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LogTextOf200)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
