#include "nightchartdata.h"

#include "night.h"
#include "plan.h"
#include "plannertexts.h"
#include "wording.h"
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
// The fitted eclipse: over the points timed and this much beyond, a point every step.
constexpr double kEclipseMarginDays = 20.0 / 1440;
constexpr double kEclipseStepDays = 2.0 / 1440;
// The points whose mean places the marker of a minimum that no template fitted.
constexpr std::size_t kPointsAtMinimum = 3;

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

// The parts of [fromJd, toJd] where Algol is high enough and the Sun low enough, each quantity
// linear between the samples.
QList<ChartSpan> watchableSpans(const std::vector<sky::NightSample> &samples,
                                const sky::Conditions &conditions, double fromJd, double toJd)
{
    QList<ChartSpan> spans;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const sky::NightSample &a = samples[i];
        const sky::NightSample &b = samples[i + 1];
        if (b.jdUtc <= fromJd || a.jdUtc >= toJd)
            continue;
        // The fraction of the step from a to b over which a margin, linear, is at least zero.
        double enter = 0;
        double leave = 1;
        const auto keepWhereNotNegative = [&](double atA, double atB) {
            if (atA >= 0 && atB >= 0)
                return;
            if (atA < 0 && atB < 0) {
                leave = -1;
                return;
            }
            const double crossing = atA / (atA - atB);
            if (atA < 0)
                enter = std::max(enter, crossing);
            else
                leave = std::min(leave, crossing);
        };
        keepWhereNotNegative(a.algolAltitudeDeg - conditions.minAlgolAltitudeDeg,
                             b.algolAltitudeDeg - conditions.minAlgolAltitudeDeg);
        keepWhereNotNegative(conditions.maxSunAltitudeDeg - a.sunAltitudeDeg,
                             conditions.maxSunAltitudeDeg - b.sunAltitudeDeg);
        if (enter >= leave)
            continue;
        const double step = b.jdUtc - a.jdUtc;
        const double from = std::max(fromJd, a.jdUtc + enter * step);
        const double to = std::min(toJd, a.jdUtc + leave * step);
        if (to <= from)
            continue;
        if (!spans.isEmpty() && spans.back().toJdUtc >= from)
            spans.back().toJdUtc = to;
        else
            spans.append({from, to});
    }
    return spans;
}

// The Sun's crossings of the twilights' boundaries, in the order of the bands, from the
// boundary between states k and k + 1 (0: day and civil twilight).
QString sunEvent(int boundary, bool darkening)
{
    switch (boundary) {
    case 0:
        return darkening ? AlgolPlanner::tr("Sunset") : AlgolPlanner::tr("Sunrise");
    case 1:
        return darkening ? AlgolPlanner::tr("Civil twilight ends") : AlgolPlanner::tr("Civil twilight begins");
    case 2:
        return darkening ? AlgolPlanner::tr("Nautical twilight ends") : AlgolPlanner::tr("Nautical twilight begins");
    default:
        return darkening ? AlgolPlanner::tr("Astronomical twilight ends: full night")
                         : AlgolPlanner::tr("Astronomical twilight begins");
    }
}

QList<NightEvent> nightEvents(const sky::Night &night, const QTimeZone &zone, const QString &minimumTime)
{
    QList<NightEvent> events;
    const auto add = [&](double jd, const QString &what) {
        const QTime local = listing::utcOfJulianDay(jd).toTimeZone(zone).time();
        events.append({jd, listing::clockText(local, false), what});
    };
    for (std::size_t i = 0; i + 1 < night.bands.size(); ++i) {
        const int before = int(night.bands[i].state);
        const int after = int(night.bands[i + 1].state);
        const double at = night.bands[i].toJdUtc;
        for (int k = before; k < after; ++k)
            add(at, sunEvent(k, true));
        for (int k = before - 1; k >= after; --k)
            add(at, sunEvent(k, false));
    }
    const std::vector<sky::NightSample> &samples = night.samples;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const double a = samples[i].algolAltitudeDeg;
        const double b = samples[i + 1].algolAltitudeDeg;
        if ((a < 0) == (b < 0))
            continue;
        const double at = samples[i].jdUtc + a / (a - b) * (samples[i + 1].jdUtc - samples[i].jdUtc);
        add(at, a < 0 ? AlgolPlanner::tr("Algol rises") : AlgolPlanner::tr("Algol sets"));
    }
    events.append({night.minimumJdUtc, minimumTime, AlgolPlanner::tr("Minimum of Algol")});
    std::stable_sort(events.begin(), events.end(),
                     [](const NightEvent &a, const NightEvent &b) { return a.jdUtc < b.jdUtc; });
    return events;
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
    const QDate night = nightOf(minimum, request.zone);
    data.evening = night;
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

    const QString name = longNightName(night, locale);
    data.title = placeName.isEmpty() ? name : AlgolPlanner::tr("%1, %2").arg(name, placeName);
    const QString minimumTime = halfHourRounding
        ? QStringLiteral("≈ ") + listing::clockText(halfHourRounded(minimum, request.zone).time(), false)
        : listing::clockText(row.local.local.time(), false);
    data.minimumLabel = AlgolPlanner::tr("minimum %1").arg(minimumTime);

    const double halfWindow = sky::kWatchWindowHours / 2 / 24;
    data.watchFromJdUtc = row.minimum.jdUtc - halfWindow;
    data.watchToJdUtc = row.minimum.jdUtc + halfWindow;
    data.watchableSpans = watchableSpans(data.night.samples, request.conditions, data.watchFromJdUtc,
                                         data.watchToJdUtc);
    data.events = nightEvents(data.night, request.zone, minimumTime);
    return data;
}

ChartLog chartLogOf(const std::vector<timing::LogEntry> &entries)
{
    ChartLog log;
    for (const timing::LogEntry &entry : entries) {
        ChartPoint point{entry.jdUtc, entry.magnitude, ChartPoint::Kind::Estimate, 0};
        if (entry.kind == timing::EntryKind::FainterThan) {
            point.kind = ChartPoint::Kind::FainterThan;
        } else if (entry.kind == timing::EntryKind::Imported) {
            point.kind = ChartPoint::Kind::Imported;
            const QString band = QString::fromStdString(entry.band);
            point.band = int(log.bands.indexOf(band));
            if (point.band < 0) {
                point.band = int(log.bands.size());
                log.bands.append(band);
            }
        }
        log.points.append(point);
    }
    return log;
}

QList<ChartTiming> chartTimingsOf(const NightTiming &night, const std::vector<timing::Observation> &observations,
                                  double period, const QTimeZone &zone, const QLocale &locale)
{
    QList<ChartTiming> timings;
    for (const BandTiming &band : night.bands) {
        const timing::EclipseTiming &t = band.timing;
        if (t.untimed)
            continue;
        QList<QPointF> points;
        for (const timing::Observation &o : observations)
            if (o.band == t.band && std::fabs(o.time - t.minimumJdUtc) * 24 <= sky::kWatchWindowHours)
                points.append(QPointF(o.time, o.value));
        ChartTiming timing;
        timing.minimumJdUtc = t.minimumJdUtc;
        timing.errorDays = t.errorDays;
        const QTime local = listing::utcOfJulianDay(t.minimumJdUtc).toTimeZone(zone).time();
        timing.label = AlgolPlanner::tr("timed %1 ± %2 min")
                           .arg(listing::clockText(local, false),
                                listing::fixedNumber(t.errorDays * 1440, 1, locale));
        if (band.templateDepth && !points.isEmpty()) {
            const auto [first, last] = std::minmax_element(points.begin(), points.end(),
                [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
            timing.eclipse = fittedEclipse(points, t.minimumJdUtc, period, *band.templateDepth,
                                           first->x() - kEclipseMarginDays, last->x() + kEclipseMarginDays,
                                           kEclipseStepDays);
            timing.magnitude = fittedEclipse(points, t.minimumJdUtc, period, *band.templateDepth,
                                             t.minimumJdUtc, t.minimumJdUtc, 1).front().y();
        } else if (!points.isEmpty()) {
            std::sort(points.begin(), points.end(), [&](const QPointF &a, const QPointF &b) {
                return std::fabs(a.x() - t.minimumJdUtc) < std::fabs(b.x() - t.minimumJdUtc);
            });
            const std::size_t n = std::min<std::size_t>(kPointsAtMinimum, std::size_t(points.size()));
            double sum = 0;
            for (std::size_t i = 0; i < n; ++i)
                sum += points[qsizetype(i)].y();
            timing.magnitude = sum / double(n);
        }
        timings.append(timing);
    }
    return timings;
}

} // namespace planner
