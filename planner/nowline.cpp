#include "nowline.h"

#include "lightcurve.h"
#include "observability.h"
#include "starcatalogue.h"
#include "plan.h"
#include "plannertexts.h"
#include "wording.h"
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
    const sky::Star &star = *elements.star;
    const bool algol = &star == &sky::algolStar();
    const double nowJd = listing::julianDayOf(now.toUTC());
    const double period = elements.elements.period;
    const auto minima = sky::predictMinima(elements, nowJd - period, nowJd + period, std::nullopt,
                                           sky::Conditions{}, {.secondaries = true});
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
    const sky::LightCurve curve = sky::LightCurve::ofStar(star);
    const double sinceLast = nowJd - last->jdUtc;
    const double phase = last->secondary ? sinceLast / period + *sky::listedSecondaryPhase(star)
                                         : sinceLast / period;
    const double magnitude = curve.magnitude(phase);
    const double halfWidth = curve.primaryEclipseHalfWidth() * period;
    const QString shown = locale.toString(magnitude, 'f', 1);
    const QString name = listing::starLabel(star);
    QString state;
    if (next->jdUtc - nowJd < halfWidth)
        state = algol ? AlgolPlanner::tr("Algol is fading: magnitude %1 now").arg(shown)
                      : AlgolPlanner::tr("%1 is fading: magnitude %2 now").arg(name, shown);
    else if (sinceLast < halfWidth)
        state = algol ? AlgolPlanner::tr("Algol is brightening: magnitude %1 now").arg(shown)
                      : AlgolPlanner::tr("%1 is brightening: magnitude %2 now").arg(name, shown);
    else
        state = algol ? AlgolPlanner::tr("Algol shines steadily at magnitude %1 now").arg(shown)
                      : AlgolPlanner::tr("%1 shines steadily at magnitude %2 now").arg(name, shown);

    QDateTime at = listing::utcOfJulianDay(next->jdUtc).toTimeZone(zone);
    QString clock = listing::clockText(at.time(), false);
    QString wait = durationText(next->jdUtc - nowJd);
    if (halfHourRounding) {
        at = halfHourRounded(at, zone);
        clock = QStringLiteral("≈ ") + listing::clockText(at.time(), false);
        wait = durationText(std::round((next->jdUtc - nowJd) * 48) / 48);
    }
    const QString day = locale.toString(at.date(), QStringLiteral("dddd d MMMM"));
    if (next->secondary)
        return AlgolPlanner::tr("%1; the next minimum, a secondary one, is on %2 at %3 (in %4).")
            .arg(state, day, clock, wait);
    return AlgolPlanner::tr("%1; the next minimum is on %2 at %3 (in %4).").arg(state, day, clock, wait);
}

} // namespace planner
