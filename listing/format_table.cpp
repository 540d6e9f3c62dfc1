#include "formats.h"

#include "inputfiles.h"
#include "listingtexts.h"
#include "nightsky.h"
#include "starcatalogue.h"
#include "textcolumns.h"
#include "wording.h"

namespace listing {

namespace {

// "Thu 2026-12-10 22:14:05", the day's name in the user's language.
QString dateTimeText(const QDateTime &dateTime, const QLocale &locale, bool withSeconds)
{
    return locale.dayName(dateTime.date().dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
        + isoDateText(dateTime.date()) + QLatin1Char(' ') + clockText(dateTime.time(), withSeconds);
}

QString degrees(double value, const QLocale &locale)
{
    return fixedNumber(value, 1, locale) + QStringLiteral("°");
}

// The first line, Algol's in its own words; in a listing that names its stars, each text with %1
// for them.
QString titleText(const Request &options, const QLocale &locale)
{
    const QString zone = QString::fromUtf8(options.zone.id());
    const bool naming = namesStars(options);
    const auto title = [&](const QString &algol, const QString &named) {
        return naming ? QString(named).arg(listedStars(options)) : algol;
    };
    if (!options.site)
        return title(Listing::tr("Minima of Algol, time zone %1"), Listing::tr("Minima of %1, time zone %2"))
            .arg(zone);
    const QString site = siteDescription(*options.site, locale);
    switch (options.siteSource) {
    case SiteSource::Typed:
        break;
    case SiteSource::PlannerSite:
        if (options.placeName.isEmpty())
            return title(Listing::tr("Minima of Algol seen from your planner's site, %1, time zone %2"),
                         Listing::tr("Minima of %1 seen from your planner's site, %2, time zone %3"))
                .arg(site, zone);
        return title(Listing::tr("Minima of Algol seen from %1 (your planner's site), %2, time zone %3"),
                     Listing::tr("Minima of %1 seen from %2 (your planner's site), %3, time zone %4"))
            .arg(visible(options.placeName), site, zone);
    case SiteSource::ZoneCity:
        return title(Listing::tr("Minima of Algol seen from %1, the city of your time zone %2, %3 "
                                 "(--lat and --lon give your own site)"),
                     Listing::tr("Minima of %1 seen from %2, the city of your time zone %3, %4 "
                                 "(--lat and --lon give your own site)"))
            .arg(options.placeName, zone, site);
    }
    return title(Listing::tr("Minima of Algol seen from %1, time zone %2"),
                 Listing::tr("Minima of %1 seen from %2, time zone %3"))
        .arg(site, zone);
}

QString headerText(const Report &report, const QLocale &locale)
{
    const Request &options = report.request;
    const QString zone = QString::fromUtf8(options.zone.id());
    QString text = titleText(options, locale);
    text += QLatin1Char('\n');
    const LocalTime from = localTimeOf(options.from, options.zone);
    const LocalTime to = localTimeOf(options.to, options.zone);
    text += Listing::tr("From %1 %2 to %3 %4")
                .arg(dateTimeText(from.local, locale, false), from.abbreviation,
                     dateTimeText(to.local, locale, false), to.abbreviation)
        + QLatin1Char('\n');
    const bool algol = options.elements.star == &sky::algolStar();
    if (options.everyStar)
        text += Listing::tr("Elements: each star's in the catalogue (algol-minima --stars); Algol's "
                            "uncertain by ±15 minutes in 2015-2030, the others' without a published "
                            "uncertainty");
    else
        text += Listing::tr("Elements: %1").arg(elementsDescription(options.elements));
    if (!options.everyStar && options.elements.kind == sky::ElementSetKind::Current)
        text += algol ? Listing::tr("; uncertainty ±15 minutes in 2015-2030")
                      : Listing::tr("; no uncertainty published");
    if (!options.everyStar && options.elements.kind == sky::ElementSetKind::Fitted)
        text += Listing::tr("; uncertainty propagated from the fit, scatter of the timings about "
                            "it (rms)");
    text += QLatin1Char('\n');
    if (options.site && namesStars(options)) {
        text += Listing::tr("Observable when %1 stands at least %2 high and the Sun at most %3: "
                                "%4 of %n minima", nullptr, report.minimaInPeriod)
                    .arg(options.everyStar ? Listing::tr("the star") : listedStars(options),
                         degrees(options.conditions.minAlgolAltitudeDeg, locale),
                         degrees(options.conditions.maxSunAltitudeDeg, locale))
                    .arg(report.observableCount);
    } else if (options.site) {
        text += Listing::tr("Observable when Algol stands at least %1 high and the Sun at most %2: "
                                "%3 of %n minima", nullptr, report.minimaInPeriod)
                    .arg(degrees(options.conditions.minAlgolAltitudeDeg, locale),
                         degrees(options.conditions.maxSunAltitudeDeg, locale))
                    .arg(report.observableCount);
    } else {
        text += options.siteSource == SiteSource::ZoneCity
            ? Listing::tr("No site: none typed (--lat and --lon) or saved by the planner, and the "
                          "time zone %1 names no city; the minima are listed without their "
                          "altitudes and visibility.").arg(zone)
            : Listing::tr("No site given (--lat and --lon): the minima are listed without "
                          "their altitudes and visibility.");
    }
    text += QLatin1Char('\n');
    return text;
}

} // namespace

QByteArray tableText(const Report &report, const QLocale &locale)
{
    QString text = headerText(report, locale);
    const QString sentence = emptyListSentence(report, locale);
    if (report.rows.isEmpty()) {
        text += QLatin1Char('\n') + sentence + QLatin1Char('\n');
        return text.toUtf8();
    }

    const Request &request = report.request;
    const bool site = request.site.has_value();
    const bool naming = namesStars(request);
    const bool kinds = mayListSecondaries(request);
    Column star(Listing::tr("Star"), false);
    Column kind(Listing::tr("P/S"), false);
    Column cycle(Listing::tr("Cycle"));
    Column local(Listing::tr("Local time"), false);
    Column utc(Listing::tr("UTC"), false);
    Column algol(naming ? Listing::tr("Altitude") : Listing::tr("Algol"));
    Column azimuth(Listing::tr("Azimuth"));
    Column sun(Listing::tr("Sun"));
    Column moon(Listing::tr("Moon"));
    Column lit(Listing::tr("Lit"));
    Column uncertainty(Listing::tr("Uncertainty"), false);
    Column scatter(Listing::tr("Scatter"), false);
    const bool fitted = !request.everyStar && request.elements.kind == sky::ElementSetKind::Fitted;
    Column watchable(Listing::tr("Watchable"), false);
    Column observable(Listing::tr("Observable"), false);
    for (const ReportRow &row : report.rows) {
        const sky::Star &rowStar = *row.minimum.star;
        star.cells << starLabel(rowStar);
        kind.cells << (row.minimum.secondary ? Listing::tr("S", "secondary minimum") : Listing::tr("P", "primary minimum"));
        cycle.cells << QString::number(row.minimum.cycle);
        local.cells << dateTimeText(row.local.local, locale, true) + QLatin1Char(' ')
                + row.local.abbreviation + QLatin1Char(' ') + offsetText(row.local.offsetSeconds);
        utc.cells << isoDateText(row.utc.date()) + QLatin1Char(' ') + clockText(row.utc.time());
        const bool unpublished = elementsOf(request, rowStar).kind == sky::ElementSetKind::Current
            && &rowStar != &sky::algolStar();
        uncertainty.cells << (row.minimum.uncertaintyMinutes
                                  ? Listing::tr("±%1 min").arg(fixedNumber(*row.minimum.uncertaintyMinutes, fitted ? 1 : 0, locale))
                                  : unpublished ? unpublishedUncertainty(rowStar) : Listing::tr("unknown"));
        if (fitted)
            scatter.cells << (row.minimum.scatterMinutes
                                  ? Listing::tr("±%1 min").arg(fixedNumber(*row.minimum.scatterMinutes, 1, locale))
                                  : Listing::tr("unknown"));
        if (!site)
            continue;
        const sky::SkyAtInstant &at = *row.minimum.sky;
        algol.cells << degrees(at.algol.altitudeDeg, locale);
        azimuth.cells << degrees(azimuthForDisplay(at.algol.azimuthDeg), locale);
        sun.cells << degrees(at.sun.altitudeDeg, locale);
        moon.cells << degrees(at.moon.altitudeDeg, locale);
        lit.cells << fixedNumber(at.moonIlluminatedFraction * 100, 0, locale) + QStringLiteral(" %");
        watchable.cells << (row.watchableHours
                                ? Listing::tr("%1 of %2 h").arg(fixedNumber(*row.watchableHours, 1, locale),
                                                                watchWindowText(rowStar, locale))
                                : QString());
        observable.cells << (row.minimum.observable() ? Listing::tr("yes")
                                                      : Listing::tr("no: %1").arg(hindranceText(row.minimum, naming)));
    }
    QList<Column> columns;
    if (naming)
        columns << star;
    if (kinds)
        columns << kind;
    columns << cycle << local << utc;
    if (site)
        columns << algol << azimuth << sun << moon << lit;
    columns << uncertainty;
    if (fitted)
        columns << scatter;
    if (site)
        columns << watchable << observable;
    text += QLatin1Char('\n') + alignedColumns(columns);
    if (!sentence.isEmpty())
        text += QLatin1Char('\n') + sentence + QLatin1Char('\n');
    return text.toUtf8();
}

} // namespace listing
