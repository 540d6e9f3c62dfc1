#include "formats.h"

#include "listingtexts.h"
#include "nightsky.h"
#include "starcatalogue.h"
#include "wording.h"

#include <algorithm>
#include <map>

namespace listing {

QString icsEscaped(QString text)
{
    const auto special = [](QChar c) {
        return c == u'\\' || c == u';' || c == u',' || c == u'\n';
    };
    const auto extra = std::count_if(text.cbegin(), text.cend(), special);
    if (extra == 0)
        return text;
    QString escaped(text.size() + extra, Qt::Uninitialized);
    QChar *out = escaped.data();
    for (const QChar c : std::as_const(text)) {
        if (special(c)) {
            *out++ = u'\\';
            *out++ = c == u'\n' ? QChar(u'n') : c;
        } else {
            *out++ = c;
        }
    }
    return escaped;
}

QByteArray icsContentLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    folded.reserve(bytes.size() + bytes.size() / 37 + 2);
    qsizetype lineStart = 0;
    qsizetype limit = 75;
    while (bytes.size() - lineStart > limit) {
        qsizetype at = lineStart + limit;
        while ((static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80)
            --at; // a continuation byte: cut before the sequence it belongs to
        folded.append(bytes.constData() + lineStart, at - lineStart).append("\r\n ");
        lineStart = at;
        limit = 74; // the leading space takes one octet
    }
    return folded.append(bytes.constData() + lineStart, bytes.size() - lineStart).append("\r\n");
}

namespace {

// How long before and after the minimum an event lasts: the eclipse's deep part.
constexpr qint64 kHalfEventSeconds = 2 * 3600;

// What the events of one star share.
struct StarTexts
{
    QString elements;  // the description's last line
    QString uidSuffix;
    QString uidStar;   // the star's part of the UID: "algol", "lam-tau"
    bool unpublished = false; // no published uncertainty: its catalogue elements
};

// What every event of a calendar shares, worked out once.
struct CalendarTexts
{
    QString stamp;    // DTSTAMP
    QString site;     // empty without a site
    QString geo;      // the GEO property, empty without a site
    bool fitted = false; // elements fitted to timings
    bool naming = false; // the events name their star (namesStars)
    std::map<const sky::Star *, StarTexts> stars; // worked out at each star's first event
};

StarTexts starTexts(const Request &request, const sky::Star &star)
{
    const sky::ElementSet elements = elementsOf(request, star);
    StarTexts texts;
    texts.elements = Listing::tr("Elements: %1.").arg(elementsDescription(elements));
    texts.uidSuffix = QLatin1Char('-') + elementsKey(elements) + QStringLiteral("@algol-minima");
    texts.uidStar = &star == &sky::algolStar()
        ? QStringLiteral("algol")
        : QString::fromStdString(star.aavsoName).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    texts.unpublished = elements.kind == sky::ElementSetKind::Current && &star != &sky::algolStar();
    return texts;
}

CalendarTexts calendarTexts(const Report &report)
{
    const Request &request = report.request;
    CalendarTexts texts;
    texts.stamp = QStringLiteral("DTSTAMP:") + icsUtcText(report.generated);
    if (const auto &site = request.site) {
        texts.site = siteDescription(*site, QLocale::c());
        texts.geo = QStringLiteral("GEO:%1;%2").arg(shortest(site->latitudeDeg), shortest(site->longitudeDeg));
    }
    texts.fitted = !request.everyStar && request.elements.kind == sky::ElementSetKind::Fitted;
    texts.naming = namesStars(request);
    return texts;
}

QString description(const ReportRow &row, const CalendarTexts &texts, const StarTexts &star)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    const QString label = starLabel(*minimum.star);
    QString text = (!texts.naming ? Listing::tr("Minimum of Algol (cycle %1) at %2 %3 (%4 UTC)")
                    : minimum.secondary
                        ? Listing::tr("Secondary minimum of %1 (cycle %2) at %3 %4 (%5 UTC)").arg(label)
                        : Listing::tr("Minimum of %1 (cycle %2) at %3 %4 (%5 UTC)").arg(label))
                       .arg(QString::number(minimum.cycle), clockText(row.local.local.time()),
                            row.local.abbreviation, clockText(row.utc.time()));
    if (minimum.scatterMinutes && minimum.uncertaintyMinutes)
        text += Listing::tr(", within ±%1 minutes by the fit, the timings scattering by ±%2 minutes")
                    .arg(fixedNumber(*minimum.uncertaintyMinutes, 1), fixedNumber(*minimum.scatterMinutes, 1));
    else if (texts.fitted && minimum.uncertaintyMinutes)
        text += Listing::tr(", within ±%1 minutes by the fit, the scatter of the timings unknown")
                    .arg(fixedNumber(*minimum.uncertaintyMinutes, 1));
    else if (minimum.uncertaintyMinutes)
        text += Listing::tr(", within ±%1 minutes").arg(fixedNumber(*minimum.uncertaintyMinutes, 0));
    else if (star.unpublished)
        text += Listing::tr(", %1 (no uncertainty published)").arg(unpublishedUncertainty(*minimum.star));
    text += QStringLiteral(".\n");
    if (minimum.sky) {
        const sky::SkyAtInstant &at = *minimum.sky;
        text += (texts.naming ? Listing::tr("%1 %2° high, azimuth %3°. Sun %4°. Moon %5°, %6% lit.").arg(label)
                              : Listing::tr("Algol %1° high, azimuth %2°. Sun %3°. Moon %4°, %5% lit."))
                    .arg(fixedNumber(at.algol.altitudeDeg, 1), fixedNumber(azimuthForDisplay(at.algol.azimuthDeg), 1),
                         fixedNumber(at.sun.altitudeDeg, 1), fixedNumber(at.moon.altitudeDeg, 1),
                         fixedNumber(at.moonIlluminatedFraction * 100, 0))
            + QLatin1Char('\n');
        text += (minimum.observable()
                     ? Listing::tr("Observable from %1.").arg(texts.site)
                     : Listing::tr("Not observable from %1: %2.").arg(texts.site, hindranceText(minimum, texts.naming)))
            + QLatin1Char('\n');
    }
    if (row.watchableHours)
        text += Listing::tr("Watchable: %1 of the %2 hours around the minimum.")
                    .arg(fixedNumber(*row.watchableHours, 1), watchWindowText(*minimum.star, QLocale::c()))
            + QLatin1Char('\n');
    return text + star.elements;
}

QByteArray event(const ReportRow &row, CalendarTexts &texts, const Request &request)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    auto known = texts.stars.find(minimum.star);
    if (known == texts.stars.end())
        known = texts.stars.emplace(minimum.star, starTexts(request, *minimum.star)).first;
    const StarTexts &star = known->second;
    const QString time = clockText(row.local.local.time(), false);
    QString summary = !texts.naming ? Listing::tr("Algol minimum at %1 %2").arg(time, row.local.abbreviation)
        : minimum.secondary
        ? Listing::tr("%1 secondary minimum at %2 %3").arg(starLabel(*minimum.star), time, row.local.abbreviation)
        : Listing::tr("%1 minimum at %2 %3").arg(starLabel(*minimum.star), time, row.local.abbreviation);
    if (!minimum.observable())
        summary += Listing::tr(" (not observable)");
    QByteArray text = icsContentLine(QStringLiteral("BEGIN:VEVENT"));
    // The same minimum of the same star and elements keeps its identifier, so a new import updates
    // it; the star's other minima have their own.
    text += icsContentLine(QStringLiteral("UID:%1-%2-%3").arg(star.uidStar,
                               minimum.secondary ? QStringLiteral("secondary") : QStringLiteral("minimum"),
                               QString::number(minimum.cycle)) + star.uidSuffix);
    text += icsContentLine(texts.stamp);
    text += icsContentLine(QStringLiteral("DTSTART:") + icsUtcText(row.utc.addSecs(-kHalfEventSeconds)));
    text += icsContentLine(QStringLiteral("DTEND:") + icsUtcText(row.utc.addSecs(kHalfEventSeconds)));
    text += icsContentLine(QStringLiteral("SUMMARY:") + icsEscaped(summary));
    text += icsContentLine(QStringLiteral("DESCRIPTION:") + icsEscaped(description(row, texts, star)));
    if (!texts.geo.isEmpty())
        text += icsContentLine(texts.geo);
    text += icsContentLine(QStringLiteral("TRANSP:TRANSPARENT"));
    text += icsContentLine(QStringLiteral("END:VEVENT"));
    return text;
}

} // namespace

QByteArray icsText(const Report &report)
{
    QByteArray text = icsContentLine(QStringLiteral("BEGIN:VCALENDAR"));
    text += icsContentLine(QStringLiteral("VERSION:2.0"));
    text += icsContentLine(QStringLiteral("PRODID:-//Algol//algol-minima %1//%2")
                               .arg(QStringLiteral(ALGOL_VERSION), Listing::tr("EN")));
    text += icsContentLine(QStringLiteral("CALSCALE:GREGORIAN"));
    text += icsContentLine(QStringLiteral("METHOD:PUBLISH"));
    text += icsContentLine(QStringLiteral("X-WR-CALNAME:")
                           + icsEscaped(namesStars(report.request)
                                            ? Listing::tr("Minima of %1").arg(listedStars(report.request))
                                            : Listing::tr("Minima of Algol")));
    CalendarTexts texts = calendarTexts(report);
    text.reserve(text.size() + report.rows.size() * 600);
    for (const ReportRow &row : report.rows)
        text += event(row, texts, report.request);
    text += icsContentLine(QStringLiteral("END:VCALENDAR"));
    return text;
}

} // namespace listing
