#include "nightchartdata.h"

#include "plan.h"
#include "plannertexts.h"
#include "zonetime.h"

#include <algorithm>
#include <cmath>

namespace planner {

namespace {

constexpr qint64 kHour = 3600;
constexpr qint64 kMinuteMarkSeconds = 600;
constexpr int kEveningHour = 15;
constexpr int kMorningHour = 9;
// The margin kept around the hours that count for a timing, when the night is widened.
constexpr double kMarginHours = 0.5;

QList<ChartTick> ticksOf(const QDateTime &from, const QDateTime &to, const QTimeZone &zone,
                         bool withMinuteMarks)
{
    QList<ChartTick> ticks;
    const qint64 step = withMinuteMarks ? kMinuteMarkSeconds : kHour;
    const QDateTime local = from.toTimeZone(zone);
    // The first mark on the zone's clock at or after the start.
    const qint64 offset = local.offsetFromUtc();
    qint64 seconds = (from.toSecsSinceEpoch() + offset + step - 1) / step * step - offset;
    for (; seconds <= to.toSecsSinceEpoch(); seconds += step) {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(seconds, zone);
        const bool onTheHour = instant.time().minute() == 0;
        ticks.append({listing::julianDayOf(instant),
                      onTheHour ? AlgolPlanner::tr("%1:00").arg(instant.time().hour()) : QString()});
    }
    return ticks;
}

} // namespace

ChartData nightChartData(const listing::Request &request, const listing::ReportRow &row,
                         const QString &placeName, const QList<ComparisonStar> &stars,
                         const QDateTime &now, bool halfHourRounding, const QLocale &locale)
{
    ChartData data;
    data.stars = stars;
    data.conditions = request.conditions;
    data.zone = request.zone;
    data.locale = locale;
    data.halfHourRounding = halfHourRounding;
    if (!request.site)
        return data;

    const QDateTime minimum = row.utc;
    const QDateTime local = minimum.toTimeZone(request.zone);
    // The night whose midnight is nearest the minimum.
    const QDate night = local.time().hour() < 12 ? local.date().addDays(-1) : local.date();
    QDateTime from = listing::resolveLocalTime(night, QTime(kEveningHour, 0), request.zone);
    QDateTime to = listing::resolveLocalTime(night.addDays(1), QTime(kMorningHour, 0), request.zone);
    const qint64 reach = qint64((sky::kWatchWindowHours / 2 + kMarginHours) * kHour);
    from = std::min(from, minimum.addSecs(-reach));
    to = std::max(to, minimum.addSecs(reach));

    // Where the minimum may fall: fitted elements' own error and their timings' scatter together.
    std::optional<double> spread = row.minimum.uncertaintyMinutes;
    if (spread && row.minimum.scatterMinutes)
        spread = std::hypot(*spread, *row.minimum.scatterMinutes);
    data.night = sky::sampleNight(*request.site, listing::julianDayOf(from), listing::julianDayOf(to),
                                  row.minimum.jdUtc, request.elements.elements.period, spread);
    data.ticks = ticksOf(from, to, request.zone, !halfHourRounding);
    const QDateTime nowUtc = now.toUTC();
    if (nowUtc >= from && nowUtc <= to)
        data.nowJdUtc = listing::julianDayOf(nowUtc);

    const QString date = locale.toString(night, QStringLiteral("dddd d MMMM yyyy"));
    data.title = placeName.isEmpty() ? AlgolPlanner::tr("Night of %1").arg(date)
                                     : AlgolPlanner::tr("Night of %1, %2").arg(date, placeName);
    data.minimumLabel = halfHourRounding
        ? AlgolPlanner::tr("minimum ≈ %1").arg(listing::clockText(
              halfHourRounded(minimum, request.zone).time(), false))
        : AlgolPlanner::tr("minimum %1").arg(listing::clockText(row.local.local.time(), false));
    return data;
}

} // namespace planner
