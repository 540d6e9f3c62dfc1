#include "options.h"

#include "inputfiles.h"
#include "optionreaders.h"
#include "savedsite.h"
#include "starcatalogue.h"
#include "texts.h"
#include "zonecity.h"
#include "zonetime.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace cli {

using namespace detail;

namespace {

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help{{"h", "help"}, AlgolMinima::tr("Show this help and exit.")};
    QCommandLineOption version{{"v", "version"}, AlgolMinima::tr("Show the version and exit.")};
    QCommandLineOption from{"from", AlgolMinima::tr("Start of the period (default: now)."), "DATE[THH:MM]"};
    QCommandLineOption to{"to", AlgolMinima::tr("End of the period."), "DATE[THH:MM]"};
    QCommandLineOption days{"days", AlgolMinima::tr("Length of the period in days (default: 30)."), "N"};
    QCommandLineOption lat{"lat", AlgolMinima::tr("Latitude of the site in degrees, north positive."), "DEG"};
    QCommandLineOption lon{"lon", AlgolMinima::tr("Longitude of the site in degrees, east positive."), "DEG"};
    QCommandLineOption height{"height", AlgolMinima::tr("Height of the site in metres (default: 0)."), "M"};
    QCommandLineOption tz{"tz", AlgolMinima::tr("Time zone, an IANA name such as Europe/Paris (default: the system's)."), "ZONE"};
    QCommandLineOption star{"star", AlgolMinima::tr("The star, by any of its names (default: Algol), or all: every star of the catalogue, merged by time."), "NAME"};
    QCommandLineOption stars{"stars", AlgolMinima::tr("List the stars of the catalogue and exit.")};
    QCommandLineOption primaryOnly{"primary-only", AlgolMinima::tr("Leave out the secondary minima.")};
    QCommandLineOption elements{"elements", AlgolMinima::tr("Elements: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file written by fit."), "SET"};
    QCommandLineOption minAltitude{"min-altitude", AlgolMinima::tr("Lowest altitude of the star in degrees (default: 20)."), "DEG"};
    QCommandLineOption sunAltitude{"sun-altitude", AlgolMinima::tr("Highest altitude of the Sun in degrees (default: -12)."), "DEG"};
    QCommandLineOption all{"all", AlgolMinima::tr("List also the minima that cannot be seen.")};
    QCommandLineOption format{"format", AlgolMinima::tr("Output format: table (default), csv, json or ics."), "FORMAT"};
    QCommandLineOption output{{"o", "output"}, AlgolMinima::tr("Write to FILE instead of the standard output."), "FILE"};

    Parser()
    {
        parser.setApplicationDescription(wrapped(
            AlgolMinima::tr("Lists the minima of Algol (beta Persei), or of another bright eclipsing "
               "binary (--star, --stars), that can be seen from a site: the star high enough and the "
               "sky dark, in the observer's time zone. Dates are ISO 8601 "
               "(2026-12-24 or 2026-12-24T21:30), read in the chosen time zone unless they end in Z "
               "or carry an offset (+01:00). The commands time FILE... and fit TIMINGS.csv time minima "
               "from observations and fit elements to the timings: algol-minima time --help, "
               "algol-minima fit --help."), 79));
        parser.addOptions({help, version, star, stars, from, to, days, lat, lon, height, tz, elements,
                           minAltitude, sunAltitude, all, primaryOnly, format, output});
    }
};

// DATE, DATE THH:MM or DATE THH:MM:SS, optionally followed by Z or an offset (with a time only).
QDateTime readInstant(const QCommandLineParser &parser, const QString &option,
                      const QTimeZone &zone, bool endOfDay)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^([0-9]{4})-([0-9]{2})-([0-9]{2})(?:[T ]([0-9]{2}):([0-9]{2})(?::([0-9]{2}))?([Zz]|[+-][0-9]{2}:?[0-9]{2})?)?$)"));
    const QString text = parser.value(option).trimmed();
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        refuse(option, AlgolMinima::tr("\"%1\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM)").arg(listing::visible(text)));
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        refuse(option, AlgolMinima::tr("%1 is not a day of the calendar").arg(text.left(10)));
    if (date.year() < 1000 || date.year() > 2999)
        refuse(option, AlgolMinima::tr("%1: the year must lie between 1000 and 2999").arg(text.left(10)));
    if (match.captured(4).isEmpty()) {
        // A date alone is the start of that day, or for the end of the period its last moment.
        return listing::resolveLocalTime(endOfDay ? date.addDays(1) : date, QTime(0, 0), zone);
    }
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!time.isValid())
        refuse(option, AlgolMinima::tr("%1 is not a time of day").arg(text.mid(11)));
    const QString zoneText = match.captured(7);
    if (zoneText.isEmpty())
        return listing::resolveLocalTime(date, time, zone);
    int offsetSeconds = 0;
    if (zoneText.compare(QLatin1String("Z"), Qt::CaseInsensitive) != 0) {
        const QString digits = QString(zoneText).remove(QLatin1Char(':'));
        const int hours = digits.mid(1, 2).toInt();
        const int minutes = digits.mid(3, 2).toInt();
        if (hours > 18 || minutes > 59)
            refuse(option, AlgolMinima::tr("%1 is not an offset from UTC").arg(zoneText));
        offsetSeconds = (hours * 3600 + minutes * 60) * (digits.startsWith(QLatin1Char('-')) ? -1 : 1);
    }
    return QDateTime(date, time, Qt::UTC).addSecs(-offsetSeconds);
}

QTimeZone readZone(const QCommandLineParser &parser, const QString &option)
{
    const QString text = parser.value(option).trimmed();
    const auto zone = listing::zoneNamed(text);
    if (!zone)
        refuse(option, AlgolMinima::tr("unknown time zone \"%1\" (an IANA name such as Europe/Paris)")
                           .arg(listing::visible(parser.value(option))));
    return *zone;
}

// The system's zone as Qt names it, checked like --tz. TZ may also name a zone file by its path
// in the zone database, or start with ":", as the C library allows.
QTimeZone systemZone(const QByteArray &id)
{
    QString name = QString::fromLocal8Bit(id);
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    const QLatin1String database("/usr/share/zoneinfo/");
    if (name.startsWith(database))
        name.remove(0, database.size());
    const auto zone = listing::zoneNamed(name);
    if (!zone)
        throw Refusal{AlgolMinima::tr("the system's time zone \"%1\" (TZ) is not an IANA name such as "
                                      "Europe/Paris: give one with --tz").arg(listing::visible(QString::fromLocal8Bit(id)))};
    return *zone;
}

// Both ends of the period lie in the years 1000 to 2999 of the zone's calendar; the end may be
// the very end of 2999 (--to 2999-12-31). A zone's offset is less than a day, so only an instant
// within a day of those years' ends needs the zone's rules (far from today, the dearest to read).
void checkInCalendar(const QString &option, const QDateTime &instant, const QTimeZone &zone, bool end)
{
    const QDate day = instant.toUTC().date();
    if (day > QDate(1000, 1, 2) && day < QDate(2999, 12, 31))
        return;
    const QDateTime first = listing::resolveLocalTime(QDate(1000, 1, 1), QTime(0, 0), zone);
    const QDateTime last = listing::resolveLocalTime(QDate(3000, 1, 1), QTime(0, 0), zone);
    if (end ? instant <= first || instant > last : instant < first || instant >= last)
        refuse(option, AlgolMinima::tr("the period reaches %1: its years must lie between 1000 and 2999")
                           .arg(listing::isoDateText(listing::localTimeOf(instant, zone).local.date())));
}

MinimaOptions readOptions(const Parser &p, const Environment &environment)
{
    const QCommandLineParser &parser = p.parser;
    if (!parser.positionalArguments().isEmpty()) {
        const QString first = parser.positionalArguments().first();
        if (first == QLatin1String("time") || first == QLatin1String("fit"))
            throw Refusal{AlgolMinima::tr("the command %1 comes first, before the options (see algol-minima %1 --help)").arg(first)};
        throw Refusal{AlgolMinima::tr("unexpected argument \"%1\" (see algol-minima --help)").arg(listing::visible(first))};
    }

    MinimaOptions options;
    const QLocale &locale = environment.locale;
    const bool typedSite = parser.isSet(p.lat) || parser.isSet(p.lon);
    // Without a typed site, the planner's: with its zone too, unless --tz says another.
    const std::optional<listing::SavedSite> saved = !typedSite && !environment.settingsPath.isEmpty()
        ? listing::readSavedSite(environment.settingsPath) : std::nullopt;
    const std::optional<QTimeZone> savedZone = saved ? listing::zoneNamed(saved->zoneId) : std::nullopt;
    options.zone = parser.isSet(p.tz) ? readZone(parser, p.tz.names().first())
                   : savedZone        ? *savedZone
                                      : systemZone(environment.systemZoneId);

    if (parser.isSet(p.star)) {
        options.star = readStar(parser, QStringLiteral("star"), true);
        options.everyStar = !options.star;
    }
    if (options.everyStar && parser.isSet(p.elements))
        refuse(QStringLiteral("elements"), AlgolMinima::tr("with --star all, each star has its catalogue's elements"));
    readElements(parser, QStringLiteral("elements"), &options.elements, &options.elementsFile,
                 options.star ? *options.star : sky::algolStar());
    options.primaryOnly = parser.isSet(p.primaryOnly);

    if (parser.isSet(p.lat) != parser.isSet(p.lon))
        refuse(parser.isSet(p.lat) ? QStringLiteral("lat") : QStringLiteral("lon"),
               AlgolMinima::tr("a site needs both --lat and --lon"));
    if (typedSite) {
        sky::Site site;
        site.latitudeDeg = readNumber(parser, QStringLiteral("lat"), -90, 90,
            QT_TRANSLATE_NOOP("AlgolMinima", "the latitude is a number of degrees from %1 to %2, not \"%3\""), locale);
        site.longitudeDeg = readNumber(parser, QStringLiteral("lon"), -180, 180,
            QT_TRANSLATE_NOOP("AlgolMinima", "the longitude is a number of degrees from %1 to %2, not \"%3\""), locale);
        if (parser.isSet(p.height))
            site.heightM = readNumber(parser, QStringLiteral("height"), -500, 10000,
                QT_TRANSLATE_NOOP("AlgolMinima", "the height is a number of metres from %1 to %2, not \"%3\""), locale);
        options.site = site;
    } else if (parser.isSet(p.height)) {
        refuse(QStringLiteral("height"), AlgolMinima::tr("a height needs a site (--lat and --lon)"));
    } else if (saved) {
        options.site = saved->site;
        options.siteSource = listing::SiteSource::PlannerSite;
        options.placeName = saved->name;
    } else if (!environment.zoneTablesFolder.isEmpty()) {
        options.siteSource = listing::SiteSource::ZoneCity;
        if (const auto city = listing::zoneCity(QString::fromUtf8(options.zone.id()), environment.zoneTablesFolder)) {
            options.site = city->site;
            options.placeName = city->name;
        }
    }

    if (parser.isSet(p.minAltitude))
        options.conditions.minAlgolAltitudeDeg = readNumber(parser, QStringLiteral("min-altitude"), -90, 90,
            QT_TRANSLATE_NOOP("AlgolMinima", "the altitude is a number of degrees from %1 to %2, not \"%3\""), locale);
    if (parser.isSet(p.sunAltitude))
        options.conditions.maxSunAltitudeDeg = readNumber(parser, QStringLiteral("sun-altitude"), -90, 90,
            QT_TRANSLATE_NOOP("AlgolMinima", "the altitude is a number of degrees from %1 to %2, not \"%3\""), locale);
    options.all = parser.isSet(p.all);
    if (parser.isSet(p.format))
        options.format = readFormat(parser, QStringLiteral("format"), true);
    if (parser.isSet(p.output)) {
        options.output = readFileName(parser, QStringLiteral("output"));
        refuseSameFile(QStringLiteral("output"), options.output, {options.elementsFile});
    }

    options.from = parser.isSet(p.from) ? readInstant(parser, QStringLiteral("from"), options.zone, false)
                                        : environment.now.toUTC();
    options.from.setTime(QTime(options.from.time().hour(), options.from.time().minute(),
                               options.from.time().second()));
    if (parser.isSet(p.to) && parser.isSet(p.days))
        refuse(QStringLiteral("days"), AlgolMinima::tr("give either --to or --days, not both"));
    if (parser.isSet(p.to)) {
        options.to = readInstant(parser, QStringLiteral("to"), options.zone, true);
        if (options.to <= options.from)
            refuse(QStringLiteral("to"), AlgolMinima::tr("the end of the period must come after its start"));
        if (options.from.secsTo(options.to) > kLongestPeriodDays * 86400)
            refuse(QStringLiteral("to"), AlgolMinima::tr("the period is longer than 100 years"));
    } else {
        qint64 days = 30;
        if (parser.isSet(p.days)) {
            bool ok = false;
            days = parser.value(p.days).trimmed().toLongLong(&ok);
            if (!ok || days < 1 || days > kLongestPeriodDays)
                refuse(QStringLiteral("days"), AlgolMinima::tr("the number of days is a whole number from 1 to "
                                                  "36525 (100 years), not \"%1\"").arg(listing::visible(parser.value(p.days))));
        }
        options.to = options.from.addDays(days);
    }
    checkInCalendar(QStringLiteral("from"), options.from, options.zone, false);
    checkInCalendar(parser.isSet(p.to) ? QStringLiteral("to") : QStringLiteral("days"), options.to,
                    options.zone, true);
    return options;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments, const Environment &environment)
{
    const QString command = arguments.value(1);
    const QStringList rest = arguments.mid(0, 1) + arguments.mid(2);
    if (command == QLatin1String("time"))
        return parseTime(rest);
    if (command == QLatin1String("fit"))
        return parseFit(rest);
    Parser p;
    if (!p.parser.parse(arguments))
        return UsageError{parseError(p.parser, arguments, {})};
    if (p.parser.isSet(p.help))
        return ShowHelp{};
    if (p.parser.isSet(p.version))
        return ShowVersion{};
    if (p.parser.isSet(p.stars))
        return ShowStars{};
    try {
        return readOptions(p, environment);
    } catch (const Refusal &refusal) {
        return UsageError{refusal.message};
    }
}

QString helpText(Command command)
{
    switch (command) {
    case Command::Time:
        return timeHelpText();
    case Command::Fit:
        return fitHelpText();
    case Command::List:
        break;
    }
    return Parser().parser.helpText();
}


GenerationTime generationTime(const QByteArray &sourceDateEpoch, const QDateTime &now)
{
    if (sourceDateEpoch.isEmpty())
        return {now, {}};
    // The last second of 2999, the calendar's last year.
    constexpr qint64 kLastSecond = 32503679999;
    const QString text = QString::fromLatin1(sourceDateEpoch);
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const qint64 seconds = text.toLongLong(&ok);
    if (digits && ok && seconds <= kLastSecond)
        return {QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC), {}};
    return {now, AlgolMinima::tr("warning: SOURCE_DATE_EPOCH \"%1\" is not a number of seconds from 1970 "
                                 "to the end of 2999; the calendar is stamped with the current time")
                     .arg(listing::visible(text))};
}

} // namespace cli
