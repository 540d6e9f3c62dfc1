#include "nowline.h"

#include "eclipsemodel.h"
#include "observability.h"
#include "plan.h"
#include "plannertexts.h"
#include "zonetime.h"

namespace planner {

namespace {

constexpr double kMinutesPerDay = 1440;

QString durationText(double days)
{
    const long long minutes = std::llround(days * kMinutesPerDay);
    if (minutes < 60)
        return AlgolPlanner::tr("%1 min").arg(minutes);
    if (minutes < 24 * 60)
        return AlgolPlanner::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
    return AlgolPlanner::tr("%1 d %2 h").arg(minutes / (24 * 60)).arg(minutes / 60 % 24);
}

} // namespace

QString nowSentence(const sky::ElementSet &elements, const QDateTime &now, const QTimeZone &zone,
                    bool halfHourRounding, const QLocale &locale)
{
    const double nowJd = listing::julianDayOf(now.toUTC());
    const double period = elements.elements.period;
    const auto minima = sky::predictMinima(elements, nowJd - period, nowJd + period, std::nullopt,
                                           sky::Conditions{});
    const sky::PredictedMinimum *last = nullptr;
    const sky::PredictedMinimum *next = nullptr;
    for (const sky::PredictedMinimum &minimum : minima) {
        if (minimum.jdUtc <= nowJd)
            last = &minimum;
        else if (!next)
            next = &minimum;
    }
    if (!last || !next)
        return {};
    const double sinceLast = nowJd - last->jdUtc;
    const double magnitude = eclipses::algolMagnitudeFast(sinceLast / period);
    const double halfWidth = eclipses::primaryEclipseHalfWidth() * period;
    const QString shown = locale.toString(magnitude, 'f', 1);
    QString state;
    if (next->jdUtc - nowJd < halfWidth)
        state = AlgolPlanner::tr("Algol is fading: magnitude %1 now").arg(shown);
    else if (sinceLast < halfWidth)
        state = AlgolPlanner::tr("Algol is brightening: magnitude %1 now").arg(shown);
    else
        state = AlgolPlanner::tr("Algol shines steadily at magnitude %1 now").arg(shown);

    QDateTime at = listing::utcOfJulianDay(next->jdUtc).toTimeZone(zone);
    QString clock = listing::clockText(at.time(), false);
    QString wait = durationText(next->jdUtc - nowJd);
    if (halfHourRounding) {
        at = halfHourRounded(at, zone);
        clock = QStringLiteral("≈ ") + listing::clockText(at.time(), false);
        wait = durationText(std::round((next->jdUtc - nowJd) * 48) / 48);
    }
    return AlgolPlanner::tr("%1; the next minimum is on %2 at %3 (in %4).")
        .arg(state, locale.toString(at.date(), QStringLiteral("dddd d MMMM")), clock, wait);
}

} // namespace planner
