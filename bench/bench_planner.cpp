// The planner: what changing the site or a condition costs (a year's list with the watchable
// hours, every star's minima of one night for the tonight tab), and one paint of the night chart
// at 1920 x 1080.

#include "comparisonstars.h"
#include "nightchart.h"
#include "nightchartdata.h"
#include "plan.h"
#include "tonightmodel.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

listing::Request parisRequest(int days)
{
    listing::Request request;
    request.from = QDateTime(QDate(2026, 12, 8), QTime(17, 0), Qt::UTC);
    request.to = request.from.addDays(days);
    request.site = sky::Site{48.85, 2.35, 35};
    request.zone = QTimeZone("Europe/Paris");
    request.elements = sky::currentElements();
    return request;
}

void BM_YearListWithWatchableHours(benchmark::State &state)
{
    const listing::Request request = parisRequest(365);
    for (auto _ : state) {
        planner::Plan plan = planner::makePlan(request, request.from);
        benchmark::DoNotOptimize(plan);
    }
}

void BM_NightOfAMinimum(benchmark::State &state)
{
    const listing::Request request = parisRequest(30);
    const planner::Plan plan = planner::makePlan(request, request.from);
    const QList<planner::ComparisonStar> stars = planner::comparisonStars();
    for (auto _ : state) {
        auto data = planner::nightChartData(request, plan.report.rows.at(3), QStringLiteral("Paris"),
                                            stars, request.from, false, QLocale::c());
        benchmark::DoNotOptimize(data);
    }
}

void BM_ChartPaint1920x1080(benchmark::State &state)
{
    const listing::Request request = parisRequest(30);
    const planner::Plan plan = planner::makePlan(request, request.from);
    planner::NightChart chart;
    chart.setData(planner::nightChartData(request, plan.report.rows.at(3), QStringLiteral("Paris"),
                                          planner::comparisonStars(), request.from, false,
                                          QLocale::c()));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.paint(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}

// The tonight tab made again: every catalogue star's minima of the night of 25 December 2026 in
// Paris, and the table given them.
void BM_TonightView(benchmark::State &state)
{
    const listing::Request request = parisRequest(1);
    planner::TonightModel model;
    const QDate evening(2026, 12, 25);
    for (auto _ : state) {
        model.setReport(planner::nightOfEveryStar(request, evening, request.from), false, QLocale::c());
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["minima"] = model.rowCount();
}

} // namespace

BENCHMARK(BM_TonightView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearListWithWatchableHours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NightOfAMinimum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartPaint1920x1080)->Unit(benchmark::kMillisecond);
