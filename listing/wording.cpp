#include "wording.h"

#include "listingtexts.h"
#include "nightsky.h"
#include "starcatalogue.h"

#include <algorithm>
#include <cmath>

namespace listing {

namespace {

// Half away from zero. Rounded before Qt formats it, -0.04 becomes -0.0, which Qt prints "0.0";
// formatted directly, it would print "-0.0".
double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString fixedNumber(double value, int decimals)
{
    return QString::number(rounded(value, decimals), 'f', decimals);
}

QString fixedNumber(double value, int decimals, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(rounded(value, decimals), 'f', decimals);
}

double azimuthForDisplay(double azimuthDeg)
{
    const double shown = rounded(azimuthDeg, 1);
    return shown >= 360 ? shown - 360 : shown;
}

QString cycleTerm(const sky::ElementSet &set)
{
    if (set.epochCycle == 0)
        return QStringLiteral("E");
    return QStringLiteral("(E %1 %2)")
        .arg(set.epochCycle > 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(set.epochCycle > 0 ? set.epochCycle : -set.epochCycle);
}

QString elementsDescription(const sky::ElementSet &set)
{
    const QString scale = set.reference == sky::TimeReference::Heliocentric
        ? QStringLiteral("HJD") : QStringLiteral("JD");
    const QString formula = QStringLiteral("Min I = %1 %2 + %3 %4")
                                .arg(scale, shortest(set.elements.epoch), shortest(set.elements.period), cycleTerm(set));
    const auto date = [](double julianDay) { return isoDateText(utcOfJulianDay(julianDay).date()); };
    const sky::FitStatistics &fit = set.fit;
    const bool dated = fit.firstTiming > 0 && fit.lastTiming > 0;
    switch (set.kind) {
    case sky::ElementSetKind::Current:
        if (set.star != &sky::algolStar())
            return Listing::tr("catalogue (%1), %2")
                .arg(QString::fromStdString(set.star->elementsSource), formula);
        return Listing::tr("current (O-C gateway), %1").arg(formula);
    case sky::ElementSetKind::Classic:
        return Listing::tr("classic (the Algol window's), %1, no light-time correction").arg(formula);
    case sky::ElementSetKind::Fitted:
        if (fit.timings == 1 && dated)
            return Listing::tr("fitted, %1 (resting on one timing, of %2: the scatter of Algol's timings is unknown)")
                .arg(formula, date(fit.firstTiming));
        if (fit.timings == 2 && dated)
            return Listing::tr("fitted, %1 (resting on two timings, of %2 and %3: the scatter of Algol's timings is unknown)")
                .arg(formula, date(fit.firstTiming), date(fit.lastTiming));
        if (fit.timings > 0 && fit.timings < sky::kFewestTimingsForScatter)
            return Listing::tr("fitted, %1 (resting on one or two timings: the scatter of Algol's timings is unknown)")
                .arg(formula);
        if (fit.timings > 0 && dated)
            return Listing::tr("fitted, %1 (timings: %2, from %3 to %4)")
                .arg(formula, QString::number(fit.timings), date(fit.firstTiming), date(fit.lastTiming));
        return Listing::tr("fitted, %1").arg(formula);
    case sky::ElementSetKind::Custom:
        break;
    }
    return Listing::tr("your own, %1").arg(formula);
}

QString siteDescription(const sky::Site &site, const QLocale &locale)
{
    return Listing::tr("%1° %2, %3° %4, %5 m")
        .arg(fixedNumber(std::fabs(site.latitudeDeg), 2, locale),
             site.latitudeDeg < 0 ? Listing::tr("S") : Listing::tr("N"),
             fixedNumber(std::fabs(site.longitudeDeg), 2, locale),
             site.longitudeDeg < 0 ? Listing::tr("W") : Listing::tr("E"),
             fixedNumber(site.heightM, 0, locale));
}

bool namesStars(const Request &request)
{
    return request.everyStar || request.elements.star != &sky::algolStar();
}

bool mayListSecondaries(const Request &request)
{
    if (request.primaryOnly)
        return false;
    if (!request.everyStar)
        return sky::listedSecondaryPhase(*request.elements.star).has_value();
    const std::vector<sky::Star> &stars = sky::starCatalogue();
    return std::any_of(stars.begin(), stars.end(), [](const sky::Star &star) {
        return sky::listedSecondaryPhase(star).has_value();
    });
}

QString starLabel(const sky::Star &star)
{
    return QString::fromStdString(star.designation);
}

QString listedStars(const Request &request)
{
    if (!request.everyStar)
        return starLabel(*request.elements.star);
    return Listing::tr("%n eclipsing binaries", nullptr, int(sky::starCatalogue().size()));
}

QString unpublishedUncertainty(const sky::Star &star)
{
    if (const std::optional<int> year = sky::elementsYear(star))
        return Listing::tr("elements of %1").arg(*year);
    return Listing::tr("unknown");
}

QString watchWindowText(const sky::Star &star, const QLocale &locale)
{
    const double hours = sky::watchWindowHours(star);
    return fixedNumber(hours, hours == std::round(hours) ? 0 : 1, locale);
}

QString hindranceText(const sky::PredictedMinimum &minimum, bool namingStars)
{
    QStringList reasons;
    if (!minimum.algolHighEnough)
        reasons << (namingStars ? Listing::tr("%1 too low").arg(starLabel(*minimum.star))
                                : Listing::tr("Algol too low"));
    if (!minimum.skyDarkEnough)
        reasons << Listing::tr("sky too bright");
    return reasons.join(QStringLiteral(", "));
}

QString emptyListSentence(const Report &report, const QLocale &locale)
{
    const Request &request = report.request;
    const sky::Conditions &conditions = request.conditions;
    const bool naming = namesStars(request);
    switch (report.none) {
    case sky::NoneObservable::NotNone:
        return {};
    case sky::NoneObservable::NoMinimum:
        return naming ? Listing::tr("There is no minimum of %1 in this period.").arg(listedStars(request))
                      : Listing::tr("There is no minimum of Algol in this period.");
    case sky::NoneObservable::AlgolNeverHighEnough:
        if (request.everyStar)
            return Listing::tr("No star of the catalogue climbs %1° above the horizon at latitude "
                                   "%2°: no minimum can be seen from this site.")
                .arg(fixedNumber(conditions.minAlgolAltitudeDeg, 1, locale),
                     fixedNumber(request.site->latitudeDeg, 2, locale));
        return (naming ? Listing::tr("%1 never climbs %2° above the horizon at latitude %3°: "
                                         "no minimum can be seen from this site.").arg(listedStars(request))
                       : Listing::tr("Algol never climbs %1° above the horizon at latitude %2°: "
                                         "no minimum can be seen from this site."))
            .arg(fixedNumber(conditions.minAlgolAltitudeDeg, 1, locale),
                 fixedNumber(request.site->latitudeDeg, 2, locale));
    case sky::NoneObservable::SkyNeverDarkEnough:
        return Listing::tr("The Sun never goes below %1° on the days of these minima: "
                               "the sky is never dark enough here.")
            .arg(fixedNumber(conditions.maxSunAltitudeDeg, 1, locale));
    case sky::NoneObservable::NoneThisTime:
        break;
    }
    if (naming)
        return Listing::tr("None of the %n minima of this period can be seen: at each of them %1 "
                               "is too low or the sky too bright.", nullptr, report.minimaInPeriod)
            .arg(request.everyStar ? Listing::tr("its star") : listedStars(request));
    return Listing::tr("None of the %n minima of this period can be seen: at each of them Algol "
                           "is too low or the sky too bright.", nullptr, report.minimaInPeriod);
}

QString extrapolationWarning()
{
    return Listing::tr("warning: the current elements are extrapolated outside 2000-2040; the "
                           "times may be off by more than the uncertainty shown");
}

QString elementsKey(const sky::ElementSet &set)
{
    switch (set.kind) {
    case sky::ElementSetKind::Current:
        return QStringLiteral("current");
    case sky::ElementSetKind::Classic:
        return QStringLiteral("classic");
    case sky::ElementSetKind::Custom:
    case sky::ElementSetKind::Fitted:
        break;
    }
    return QStringLiteral("%1-%2-%3")
        .arg(shortest(set.elements.epoch), shortest(set.elements.period),
             set.reference == sky::TimeReference::Heliocentric ? QStringLiteral("hjd")
                                                               : QStringLiteral("jd"));
}

QString elementsName(const sky::ElementSet &set)
{
    switch (set.kind) {
    case sky::ElementSetKind::Current:
        return QStringLiteral("current");
    case sky::ElementSetKind::Classic:
        return QStringLiteral("classic");
    case sky::ElementSetKind::Custom:
    case sky::ElementSetKind::Fitted:
        break;
    }
    return shortest(set.elements.epoch) + QLatin1Char(':') + shortest(set.elements.period)
        + (set.reference == sky::TimeReference::Heliocentric ? QStringLiteral(":hjd") : QStringLiteral(":jd"));
}

} // namespace listing
