#include "plan.h"

#include <limits>

namespace planner {

Plan makePlan(listing::Request request, const QDateTime &generated)
{
    request.all = true;
    Plan plan{listing::makeReport(request, generated), {}};
    plan.watchableHours.reserve(plan.report.rows.size());
    for (const listing::ReportRow &row : std::as_const(plan.report.rows))
        plan.watchableHours.append(row.watchableHours.value_or(std::numeric_limits<double>::quiet_NaN()));
    return plan;
}

listing::Report shownReport(const Plan &plan, bool onlyWatchable)
{
    listing::Report report = plan.report;
    if (onlyWatchable) {
        report.request.all = false;
        report.rows.removeIf([](const listing::ReportRow &row) { return !row.minimum.observable(); });
    }
    return report;
}

} // namespace planner

namespace planner {

QDateTime halfHourRounded(const QDateTime &instant, const QTimeZone &zone)
{
    const QDateTime local = instant.toTimeZone(zone);
    const qint64 offset = local.offsetFromUtc();
    constexpr qint64 kHalfHour = 1800;
    const qint64 seconds = instant.toSecsSinceEpoch() + offset;
    const qint64 rounded = (seconds + kHalfHour / 2) / kHalfHour * kHalfHour - offset;
    return QDateTime::fromSecsSinceEpoch(rounded, zone);
}

} // namespace planner
