#include "formats.h"

#include "listingtexts.h"
#include "nightsky.h"
#include "wording.h"

#include <algorithm>

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

// What every event of a calendar shares, worked out once.
struct CalendarTexts
{
    QString stamp;    // DTSTAMP
    QString elements; // the description's last line
    QString site;     // empty without a site
    QString geo;      // the GEO property, empty without a site
    QString uidSuffix;
    bool fitted = false; // elements fitted to timings
};

CalendarTexts calendarTexts(const Report &report)
{
    CalendarTexts texts;
    texts.stamp = QStringLiteral("DTSTAMP:") + icsUtcText(report.generated);
    texts.elements = Listing::tr("Elements: %1.").arg(elementsDescription(report.request.elements));
    if (const auto &site = report.request.site) {
        texts.site = siteDescription(*site, QLocale::c());
        texts.geo = QStringLiteral("GEO:%1;%2").arg(shortest(site->latitudeDeg), shortest(site->longitudeDeg));
    }
    texts.uidSuffix = QLatin1Char('-') + elementsKey(report.request.elements) + QStringLiteral("@algol-minima");
    texts.fitted = report.request.elements.kind == sky::ElementSetKind::Fitted;
    return texts;
}

QString description(const ReportRow &row, const CalendarTexts &texts)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    QString text = Listing::tr("Minimum of Algol (cycle %1) at %2 %3 (%4 UTC)")
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
    text += QStringLiteral(".\n");
    if (minimum.sky) {
        const sky::SkyAtInstant &at = *minimum.sky;
        text += Listing::tr("Algol %1° high, azimuth %2°. Sun %3°. Moon %4°, %5% lit.")
                    .arg(fixedNumber(at.algol.altitudeDeg, 1), fixedNumber(azimuthForDisplay(at.algol.azimuthDeg), 1),
                         fixedNumber(at.sun.altitudeDeg, 1), fixedNumber(at.moon.altitudeDeg, 1),
                         fixedNumber(at.moonIlluminatedFraction * 100, 0))
            + QLatin1Char('\n');
        text += (minimum.observable()
                     ? Listing::tr("Observable from %1.").arg(texts.site)
                     : Listing::tr("Not observable from %1: %2.").arg(texts.site, hindranceText(minimum)))
            + QLatin1Char('\n');
    }
    if (row.watchableHours)
        text += Listing::tr("Watchable: %1 of the %2 hours around the minimum.")
                    .arg(fixedNumber(*row.watchableHours, 1), fixedNumber(sky::kWatchWindowHours, 0))
            + QLatin1Char('\n');
    return text + texts.elements;
}

QByteArray event(const ReportRow &row, const CalendarTexts &texts)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    QString summary = Listing::tr("Algol minimum at %1 %2")
                          .arg(clockText(row.local.local.time(), false), row.local.abbreviation);
    if (!minimum.observable())
        summary += Listing::tr(" (not observable)");
    QByteArray text = icsContentLine(QStringLiteral("BEGIN:VEVENT"));
    // The same minimum of the same elements keeps its identifier, so a new import updates it.
    text += icsContentLine(QStringLiteral("UID:algol-minimum-") + QString::number(minimum.cycle) + texts.uidSuffix);
    text += icsContentLine(texts.stamp);
    text += icsContentLine(QStringLiteral("DTSTART:") + icsUtcText(row.utc.addSecs(-kHalfEventSeconds)));
    text += icsContentLine(QStringLiteral("DTEND:") + icsUtcText(row.utc.addSecs(kHalfEventSeconds)));
    text += icsContentLine(QStringLiteral("SUMMARY:") + icsEscaped(summary));
    text += icsContentLine(QStringLiteral("DESCRIPTION:") + icsEscaped(description(row, texts)));
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
    text += icsContentLine(QStringLiteral("X-WR-CALNAME:") + icsEscaped(Listing::tr("Minima of Algol")));
    const CalendarTexts texts = calendarTexts(report);
    text.reserve(text.size() + report.rows.size() * 600);
    for (const ReportRow &row : report.rows)
        text += event(row, texts);
    text += icsContentLine(QStringLiteral("END:VCALENDAR"));
    return text;
}

} // namespace listing
