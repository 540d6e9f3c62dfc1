// algol-minima's command line: every wrong option is refused with one line that names it, and the
// accepted ones give the period in UTC that the zone rules say. The instants expected here come
// from the IANA rules for Europe/Paris (CET = UTC+1, CEST = UTC+2 from the last Sunday of March
// at 01:00 UTC to the last Sunday of October at 01:00 UTC) and America/New_York (EST = UTC-5,
// EDT = UTC-4), worked out by hand.

#include "inputfiles.h"
#include "listingtexts.h"
#include "options.h"
#include "savefile.h"
#include "starcatalogue.h"

#include <QtTest>

using namespace cli;

namespace {

// 8 December 2026, 15:00:42.5 UTC: a now that is not on a whole second.
const QDateTime kNow = QDateTime(QDate(2026, 12, 8), QTime(15, 0, 42, 500), Qt::UTC);

ParsedCommandLine parseList(const QStringList &arguments, const QByteArray &systemZone = "Europe/Paris")
{
    return parseCommandLine(QStringList{QStringLiteral("algol-minima")} + arguments, {kNow, systemZone});
}

ParsedCommandLine parse(const QString &arguments, const QByteArray &systemZone = "Europe/Paris")
{
    return parseList(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts), systemZone);
}

QString iso(const QDateTime &utc)
{
    return utc.toUTC().toString(Qt::ISODate);
}

} // namespace

class TestCliOptions : public QObject
{
    Q_OBJECT

private slots:
    // The user's data folder (QStandardPaths' GenericDataLocation) where the default files live.
    void initTestCase() { qputenv("XDG_DATA_HOME", "/home/observer/data"); }

    void refused_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("named"); // what the message must name

        QTest::newRow("latitude beyond 90") << "--lat 90.5 --lon 2" << "--lat:";
        QTest::newRow("latitude beyond -90") << "--lat -91 --lon 2" << "--lat:";
        QTest::newRow("latitude not a number") << "--lat north --lon 2" << "--lat:";
        QTest::newRow("latitude not finite") << "--lat nan --lon 2" << "--lat:";
        QTest::newRow("latitude with a comma") << "--lat 48,85 --lon 2" << "--lat:";
        QTest::newRow("longitude beyond 180") << "--lat 48 --lon 180.01" << "--lon:";
        QTest::newRow("longitude infinite") << "--lat 48 --lon inf" << "--lon:";
        QTest::newRow("latitude alone") << "--lat 48" << "--lat:";
        QTest::newRow("longitude alone") << "--lon 2" << "--lon:";
        QTest::newRow("height without a site") << "--height 100" << "--height:";
        QTest::newRow("height beyond reason") << "--lat 48 --lon 2 --height 1e6" << "--height:";
        QTest::newRow("unknown zone") << "--tz Europe/Pariss" << "--tz:";
        QTest::newRow("empty zone") << "--tz=" << "--tz:";
        QTest::newRow("zone as a path") << "--tz ../../../etc/localtime" << "--tz:";
        QTest::newRow("zone database's own file") << "--tz zone.tab" << "--tz:";
        QTest::newRow("zone as a word (a POSIX rule without offset)") << "--tz Paris" << "--tz:";
        QTest::newRow("zone as a POSIX rule of -99 hours") << "--tz XYZ+99" << "--tz:";
        QTest::newRow("zone as the link to /etc/localtime") << "--tz localtime" << "--tz:";
        QTest::newRow("zone from the leap-second copy") << "--tz right/Europe/Paris" << "--tz:";
        QTest::newRow("zone of 200 letters") << "--tz " + QString(200, QLatin1Char('A')) << "--tz:";
        QTest::newRow("30 February") << "--from 2026-02-30" << "--from:";
        QTest::newRow("29 February of a common year") << "--to 2027-02-29" << "--to:";
        QTest::newRow("month 13") << "--from 2026-13-01" << "--from:";
        QTest::newRow("day-first date") << "--from 08/12/2026" << "--from:";
        QTest::newRow("hour 24") << "--from 2026-12-08T24:00" << "--from:";
        QTest::newRow("offset beyond 18 hours") << "--from 2026-12-08T20:00+19:00" << "--from:";
        QTest::newRow("year 999") << "--from 0999-12-31" << "--from:";
        QTest::newRow("to before from") << "--from 2026-12-08 --to 2026-12-01" << "--to:";
        QTest::newRow("to equal to from") << "--from 2026-12-08T20:00 --to 2026-12-08T20:00" << "--to:";
        QTest::newRow("more than 100 years") << "--from 2000-01-01 --to 2100-01-02" << "--to:";
        QTest::newRow("days that end after 2999") << "--from 2999-12-31 --days 2" << "--days:";
        QTest::newRow("100 years from the last day") << "--from 2999-12-31 --days 36525" << "--days:";
        QTest::newRow("an end in 2999 that is 3000 here") << "--from 2999-12-30 --to 2999-12-31T23:30-05:00" << "--to:";
        QTest::newRow("zero days") << "--days 0" << "--days:";
        QTest::newRow("days beyond 100 years") << "--days 36526" << "--days:";
        QTest::newRow("fraction of a day") << "--days 1.5" << "--days:";
        QTest::newRow("to and days") << "--to 2027-01-01 --days 3" << "--days:";
        QTest::newRow("elements unknown") << "--elements modern" << "--elements:";
        QTest::newRow("elements without period") << "--elements 2455528.105" << "--elements:";
        QTest::newRow("elements period zero") << "--elements 2455528.105:0" << "--elements:";
        QTest::newRow("elements negative period") << "--elements 2455528.105:-2.867" << "--elements:";
        QTest::newRow("elements unknown scale") << "--elements 2455528.105:2.867326:bjd" << "--elements:";
        QTest::newRow("elements trailing text") << "--elements 2455528.105x:2.867326" << "--elements:";
        QTest::newRow("elements extra part") << "--elements 2455528.105:2.867326:hjd:1" << "--elements:";
        QTest::newRow("elements reduced epoch") << "--elements 55528.105:2.867326" << "--elements:";
        QTest::newRow("elements period of minutes") << "--elements 2455528.105:0.001" << "--elements:";
        QTest::newRow("min altitude beyond 90") << "--min-altitude 95" << "--min-altitude:";
        QTest::newRow("sun altitude not a number") << "--sun-altitude dark" << "--sun-altitude:";
        QTest::newRow("unknown format") << "--format xml" << "--format:";
        QTest::newRow("empty output name") << "-o=" << "--output:";
        QTest::newRow("unknown option") << "--latitude 48" << "latitude";
        QTest::newRow("missing value") << "--lat" << "lat";
        QTest::newRow("unexpected argument") << "Paris" << "Paris";
        QTest::newRow("unknown star") << "--star Betelgeuse" << "--star:";
        QTest::newRow("elements of every star") << "--star all --elements current" << "--elements:";
        QTest::newRow("classic elements of another star") << "--star lamTau --elements classic" << "--elements:";

        QTest::newRow("time without a file") << "time --window 4" << "time:";
        QTest::newRow("time window beyond a day") << "time a.txt --window 25" << "--window:";
        QTest::newRow("time window with its unit") << "time a.txt --window 5h" << "--window:";
        QTest::newRow("time of 4 folds") << "time a.txt --folds 4" << "--folds:";
        QTest::newRow("time noise of zero") << "time a.txt --noise 0" << "--noise:";
        QTest::newRow("time noise not finite") << "time a.txt --noise inf" << "--noise:";
        QTest::newRow("time unknown method") << "time a.txt --method fourier" << "--method:";
        QTest::newRow("time unknown scale") << "time a.txt --time-scale tdb" << "--time-scale:";
        QTest::newRow("time as a calendar") << "time a.txt --format ics" << "--format:";
        QTest::newRow("time appended to the standard output") << "time a.txt --append -" << "--append:";
        QTest::newRow("time appended to its observations") << "time a.txt b.txt --append ./b.txt" << "--append:";
        QTest::newRow("time written over its observations") << "time a.txt -o a.txt" << "--output:";
        QTest::newRow("time written over its timings") << "time a.txt --append t.csv -o t.csv" << "--output:";
        QTest::newRow("time elements unknown") << "time a.txt --elements modern" << "--elements:";
        QTest::newRow("time given a site") << "time a.txt --lat 48" << "lat";
        QTest::newRow("time after an option") << "--days 3 time a.txt" << "time";
        QTest::newRow("fit written over the user's timings file")
            << "fit -o /home/observer/data/algol/timings.csv" << "--output:";
        QTest::newRow("fit of two files") << "fit a.csv b.csv" << "fit:";
        QTest::newRow("fit written over its timings") << "fit t.csv -o t.csv" << "--output:";
        QTest::newRow("fit to the standard output") << "fit t.csv -o -" << "--output:";
        QTest::newRow("fit given a window") << "fit t.csv --window 5" << "window";
        QTest::newRow("time of every star") << "time a.txt --star all" << "--star:";
        QTest::newRow("fit of an unknown star") << "fit t.csv --star XYZ" << "--star:";
    }
    void refused()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, named);
        const ParsedCommandLine parsed = parse(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(error, qPrintable(QStringLiteral("accepted: ") + arguments));
        QVERIFY2(error->message.contains(named), qPrintable(error->message));
        QVERIFY2(!error->message.contains(QLatin1Char('\n')), qPrintable(error->message));
    }

    void period_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");

        QTest::newRow("default: now to 30 days on, whole seconds")
            << "" << "2026-12-08T15:00:42Z" << "2027-01-07T15:00:42Z";
        QTest::newRow("a date is midnight in the zone, winter")
            << "--from 2026-12-24 --days 1" << "2026-12-23T23:00:00Z" << "2026-12-24T23:00:00Z";
        QTest::newRow("an end date includes its whole day")
            << "--from 2026-07-01 --to 2026-07-01" << "2026-06-30T22:00:00Z" << "2026-07-01T22:00:00Z";
        QTest::newRow("skipped local time read with the winter offset")
            << "--from 2026-03-29T02:30 --days 1" << "2026-03-29T01:30:00Z" << "2026-03-30T01:30:00Z";
        QTest::newRow("last minute before the clocks go forward")
            << "--from 2026-03-29T01:59 --to 2026-03-29T03:00" << "2026-03-29T00:59:00Z" << "2026-03-29T01:00:00Z";
        QTest::newRow("repeated local time is its first occurrence")
            << "--from 2026-10-25T02:30 --to 2026-10-25T03:00" << "2026-10-25T00:30:00Z" << "2026-10-25T02:00:00Z";
        QTest::newRow("Z is UTC")
            << "--from 2026-12-08T21:00Z --days 2" << "2026-12-08T21:00:00Z" << "2026-12-10T21:00:00Z";
        QTest::newRow("an offset overrides the zone")
            << "--from 2026-12-08T21:00:30-05:30 --days 1" << "2026-12-09T02:30:30Z" << "2026-12-10T02:30:30Z";
        QTest::newRow("another zone, summer")
            << "--tz America/New_York --from 2026-07-04T21:00 --to 2026-07-05" << "2026-07-05T01:00:00Z" << "2026-07-06T04:00:00Z";
        QTest::newRow("New York's skipped hour")
            << "--tz America/New_York --from 2026-03-08T02:15 --days 1" << "2026-03-08T07:15:00Z" << "2026-03-09T07:15:00Z";
        QTest::newRow("a zone outside zone.tab, UTC-5 (POSIX sign)")
            << "--tz Etc/GMT+5 --from 2026-12-08T21:00 --days 1" << "2026-12-09T02:00:00Z" << "2026-12-10T02:00:00Z";
        QTest::newRow("exactly 100 years")
            << "--from 2000-01-01T00:00Z --to 2100-01-01T00:00Z" << "2000-01-01T00:00:00Z" << "2100-01-01T00:00:00Z";
        QTest::newRow("to the last day of 2999")
            << "--from 2999-12-31 --to 2999-12-31" << "2999-12-30T23:00:00Z" << "2999-12-31T23:00:00Z";
        QTest::newRow("days to the end of 2999")
            << "--from 2999-12-31 --days 1" << "2999-12-30T23:00:00Z" << "2999-12-31T23:00:00Z";
    }
    void period()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, from);
        QFETCH(QString, to);
        const ParsedCommandLine parsed = parse(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        const auto &options = std::get<MinimaOptions>(parsed);
        QCOMPARE(iso(options.from), from);
        QCOMPARE(iso(options.to), to);
    }

    void values_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("described");

        QTest::newRow("defaults")
            << "" << "zone Europe/Paris, no site, elements current, min 20, sun -12, table, all 0, output ''";
        QTest::newRow("southern site with a negative value after a blank")
            << "--lat -33.93 --lon 18.42 --height 8 --tz Africa/Johannesburg"
            << "zone Africa/Johannesburg, site -33.93 18.42 8, elements current, min 20, sun -12, table, all 0, output ''";
        QTest::newRow("everything else set")
            << "--elements classic --min-altitude 10 --sun-altitude=-18 --all --format ICS -o out.ics"
            << "zone Europe/Paris, no site, elements classic, min 10, sun -18, ics, all 1, output 'out.ics'";
        QTest::newRow("a link of the zone database")
            << "--tz US/Eastern" << "zone US/Eastern, no site, elements current, min 20, sun -12, table, all 0, output ''";
        QTest::newRow("custom geocentric elements")
            << "--elements 2460000.5:2.8673:jd --format csv"
            << "zone Europe/Paris, no site, elements 2460000.5 2.8673 jd, min 20, sun -12, csv, all 0, output ''";
        QTest::newRow("custom elements are heliocentric by default")
            << "--elements 2455528.105:2.867326 --format json"
            << "zone Europe/Paris, no site, elements 2455528.105 2.867326 hjd, min 20, sun -12, json, all 0, output ''";
    }
    void values()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, described);
        const ParsedCommandLine parsed = parse(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        const auto &o = std::get<MinimaOptions>(parsed);
        const QString site = o.site ? QStringLiteral("site %1 %2 %3").arg(o.site->latitudeDeg).arg(o.site->longitudeDeg).arg(o.site->heightM)
                                    : QStringLiteral("no site");
        QString elements;
        switch (o.elements.kind) {
        case sky::ElementSetKind::Current: elements = QStringLiteral("current"); break;
        case sky::ElementSetKind::Classic: elements = QStringLiteral("classic"); break;
        case sky::ElementSetKind::Custom:
        case sky::ElementSetKind::Fitted:
            elements = QStringLiteral("%1 %2 %3").arg(o.elements.elements.epoch, 0, 'g', 12).arg(o.elements.elements.period, 0, 'g', 12)
                           .arg(o.elements.reference == sky::TimeReference::Heliocentric ? "hjd" : "jd");
        }
        const char *formats[] = {"table", "csv", "json", "ics"};
        QCOMPARE(QStringLiteral("zone %1, %2, elements %3, min %4, sun %5, %6, all %7, output '%8'")
                     .arg(QString::fromUtf8(o.zone.id()), site, elements)
                     .arg(o.conditions.minAlgolAltitudeDeg).arg(o.conditions.maxSunAltitudeDeg)
                     .arg(QLatin1String(formats[int(o.format)])).arg(int(o.all)).arg(o.output),
                 described);
    }

    // The star, by any of its names, and the elements read for it (lambda Tau's HJD 2461376.3 is
    // its E = 1568, tst_sky); all of them for the listing.
    void starChosen_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("described");
        QTest::newRow("its own elements") << "--star lambdaTauri --elements 2461376.3:3.95295"
                                          << "star λ Tau, every 0, primaries only 0, elements of λ Tau 2461376.3 E 1568";
        QTest::newRow("every star, primaries only") << "--star all --primary-only"
                                                    << "star -, every 1, primaries only 1, elements of β Per 2455528.105 E 0";
        QTest::newRow("fit") << "fit t.csv --star rzcas" << "star RZ Cas, elements of RZ Cas 2456529.766 E 0";
    }
    void starChosen()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, described);
        const ParsedCommandLine parsed = parse(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        const auto name = [](const sky::Star *star) { return star ? QString::fromStdString(star->designation) : QStringLiteral("-"); };
        const auto elements = [&](const sky::ElementSet &set) {
            return QStringLiteral("elements of %1 %2 E %3").arg(name(set.star)).arg(set.elements.epoch, 0, 'g', 12).arg(set.epochCycle);
        };
        if (const auto *o = std::get_if<MinimaOptions>(&parsed))
            QCOMPARE(QStringLiteral("star %1, every %2, primaries only %3, %4")
                         .arg(name(o->star)).arg(int(o->everyStar)).arg(int(o->primaryOnly)).arg(elements(o->elements)),
                     described);
        else if (const auto *t = std::get_if<TimeOptions>(&parsed))
            QCOMPARE(QStringLiteral("star %1, %2").arg(name(t->star), elements(t->elements)), described);
        else
            QCOMPARE(QStringLiteral("star %1, %2").arg(name(std::get<FitOptions>(parsed).star), elements(std::get<FitOptions>(parsed).elements)),
                     described);
    }

    // The commands' options as the computation receives them.
    void commandValues_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("described");

        QTest::newRow("time, defaults")
            << "time night.txt" << "files night.txt, elements current, window 5, auto, folds 5, noise -, JD, flux 0, table, append '', output ''";
        QTest::newRow("time, everything set")
            << "time a.txt b.txt --elements classic --window 3.5 --method KVW --folds 7 --noise 0.02 --time-scale bjd --flux --format csv --append t.csv -o out.csv"
            << "files a.txt b.txt, elements classic, window 3.5, kvw, folds 7, noise 0.02, BJD, flux 1, csv, append 't.csv', output 'out.csv'";
        QTest::newRow("time, heliocentric plain columns, the template")
            << "time a.txt --time-scale HJD --method template --folds 3 --format json"
            << "files a.txt, elements current, window 5, template, folds 3, noise -, HJD, flux 0, json, append '', output ''";
        QTest::newRow("fit, defaults") << "fit timings.csv" << "timings timings.csv, elements current, reject 0, table, output ''";
        QTest::newRow("fit without a file: the user's timings file")
            << "fit --reject" << "timings /home/observer/data/algol/timings.csv, elements current, reject 1, table, output ''";
        QTest::newRow("fit, everything set")
            << "fit timings.csv --elements 2455528.105:2.867326:jd --reject --format json -o elements.txt"
            << "timings timings.csv, elements 2455528.105 2.867326 jd, reject 1, json, output 'elements.txt'";
    }
    void commandValues()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, described);
        const ParsedCommandLine parsed = parse(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        const auto elements = [](const sky::ElementSet &set) {
            if (set.kind != sky::ElementSetKind::Custom)
                return QString(set.kind == sky::ElementSetKind::Current ? "current" : "classic");
            return QStringLiteral("%1 %2 %3").arg(set.elements.epoch, 0, 'g', 12).arg(set.elements.period, 0, 'g', 12)
                .arg(set.reference == sky::TimeReference::Heliocentric ? "hjd" : "jd");
        };
        const char *formats[] = {"table", "csv", "json", "ics"};
        if (const auto *fit = std::get_if<FitOptions>(&parsed)) {
            QCOMPARE(QStringLiteral("timings %1, elements %2, reject %3, %4, output '%5'")
                         .arg(fit->timings, elements(fit->elements)).arg(int(fit->reject))
                         .arg(QLatin1String(formats[int(fit->format)]), fit->output),
                     described);
            return;
        }
        const auto &o = std::get<TimeOptions>(parsed);
        const char *methods[] = {"kvw", "template", "auto"};
        const char *scales[] = {"JD", "HJD", "BJD"};
        QCOMPARE(QStringLiteral("files %1, elements %2, window %3, %4, folds %5, noise %6, %7, flux %8, %9, append '%10', output '%11'")
                     .arg(o.files.join(' '), elements(o.elements)).arg(o.timing.windowHours)
                     .arg(QLatin1String(methods[int(o.timing.method)])).arg(o.timing.folds)
                     .arg(o.timing.noise ? QString::number(*o.timing.noise) : QStringLiteral("-"))
                     .arg(QLatin1String(scales[int(o.plain.scale)])).arg(int(o.plain.flux))
                     .arg(QLatin1String(formats[int(o.format)]), o.append, o.output),
                 described);
    }

    // Without --lat and --lon: the planner's saved site (in its zone unless --tz gives one), else
    // the city of the zone in tzdata's tables, that of the zone a link stands for. The expected
    // coordinates are zone1970.tab's ISO 6709 fields turned into degrees by hand: Paris
    // +4852+00220, Tokyo +353916+1394441, New York +404251-0740023 (US/Eastern links to
    // America/New_York in tzdata.zi), Kolkata +2232+08822 (Asia/Calcutta), Kyiv +5026+03031
    // (Europe/Kiev).
    void siteChosen_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("settings"); // the planner's file; empty: there is none
        QTest::addColumn<QByteArray>("systemZone");
        QTest::addColumn<QString>("chosen");
        const QByteArray lyon = R"({"site": {"name": "Lyon", "latitude": 45.76, "longitude": 4.84, "height": 170, "zone": "Europe/Paris"}})";
        QTest::newRow("the planner's site, in its zone") << "" << lyon << QByteArray("Asia/Tokyo")
            << "planner 'Lyon' 45.7600 4.8400 170, zone Europe/Paris";
        QTest::newRow("the planner's site, in the zone of --tz") << "--tz America/New_York" << lyon << QByteArray("Asia/Tokyo")
            << "planner 'Lyon' 45.7600 4.8400 170, zone America/New_York";
        QTest::newRow("a typed site before the planner's") << "--lat 10 --lon 20" << lyon << QByteArray("Asia/Tokyo")
            << "typed '' 10.0000 20.0000 0, zone Asia/Tokyo";
        QTest::newRow("the planner's site in a zone unknown here: the system's zone")
            << "" << QByteArray(R"({"site": {"latitude": 45.76, "longitude": 4.84, "zone": "Mars/Olympus_Mons"}})")
            << QByteArray("Asia/Tokyo") << "planner '' 45.7600 4.8400 0, zone Asia/Tokyo";
        QTest::newRow("a damaged site: the zone's city")
            << "" << QByteArray(R"({"site": {"latitude": "north", "longitude": 4.84, "zone": "Europe/Paris"}})")
            << QByteArray("Asia/Tokyo") << "city 'Tokyo' 35.6544 139.7447 0, zone Asia/Tokyo";
        QTest::newRow("no file: the zone's city") << "" << QByteArray() << QByteArray("Europe/Paris")
            << "city 'Paris' 48.8667 2.3333 0, zone Europe/Paris";
        QTest::newRow("a link: New York") << "--tz US/Eastern" << QByteArray() << QByteArray("Europe/Paris")
            << "city 'New York' 40.7142 -74.0064 0, zone US/Eastern";
        QTest::newRow("a link: Kolkata") << "" << QByteArray() << QByteArray("Asia/Calcutta")
            << "city 'Kolkata' 22.5333 88.3667 0, zone Asia/Calcutta";
        QTest::newRow("a link: Kyiv") << "--tz Europe/Kiev" << QByteArray() << QByteArray("Europe/Paris")
            << "city 'Kyiv' 50.4333 30.5167 0, zone Europe/Kiev";
        QTest::newRow("UTC names no city") << "--tz UTC" << QByteArray() << QByteArray("Europe/Paris") << "city: none, zone UTC";
    }
    void siteChosen()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, systemZone);
        QFETCH(QString, chosen);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("algol-planner.json"));
        if (!settings.isEmpty())
            QVERIFY(listing::saveWhole(path, [&](QIODevice &file) { return file.write(settings) == settings.size(); }));
        const Environment environment{kNow, systemZone, path, QStringLiteral("/usr/share/zoneinfo")};
        const ParsedCommandLine parsed = parseCommandLine(
            QStringList{QStringLiteral("algol-minima")} + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts), environment);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        const auto &o = std::get<MinimaOptions>(parsed);
        const char *sources[] = {"typed", "planner", "city"};
        const QString site = !o.site ? QStringLiteral("%1: none").arg(QLatin1String(sources[int(o.siteSource)]))
            : QStringLiteral("%1 '%2' %3 %4 %5").arg(QLatin1String(sources[int(o.siteSource)]), o.placeName)
                  .arg(o.site->latitudeDeg, 0, 'f', 4).arg(o.site->longitudeDeg, 0, 'f', 4).arg(o.site->heightM);
        QCOMPARE(site + QStringLiteral(", zone ") + QString::fromUtf8(o.zone.id()), chosen);
    }

    // Numbers as the user's locale writes them, or with a decimal point; never with the locale's
    // group separators (1,000 in English, 1 000 in French), which would read a decimal comma as
    // thousands.
    void numbersOfTheLocale_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("read"); // latitude, longitude, height, Algol's and the Sun's altitudes; or what the refusal names
        const QStringList typed{"--lat", "48,85", "--lon", "-2,35", "--height", "35,5", "--min-altitude", "10,5", "--sun-altitude", "-18,5"};
        QTest::newRow("French, decimal commas") << "fr_FR" << typed << "48.85 -2.35 35.5 10.5 -18.5";
        QTest::newRow("French, decimal points") << "fr_FR" << QStringList(typed).replaceInStrings(",", ".") << "48.85 -2.35 35.5 10.5 -18.5";
        QTest::newRow("French, a group separator")
            << "fr_FR" << QStringList{"--lat", "48", "--lon", "2", "--height", "1" + QLocale(QLocale::French).groupSeparator() + "000"}
            << "--height:";
        QTest::newRow("English, a group separator") << "en_GB" << QStringList{"--lat", "48", "--lon", "2", "--height", "1,000"} << "--height:";
    }
    void numbersOfTheLocale()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, read);
        const ParsedCommandLine parsed = parseCommandLine(QStringList{QStringLiteral("algol-minima")} + arguments,
                                                          {kNow, "Europe/Paris", {}, {}, QLocale(language)});
        if (const auto *error = std::get_if<UsageError>(&parsed)) {
            QVERIFY2(error->message.startsWith(read), qPrintable(error->message));
            return;
        }
        const auto &o = std::get<MinimaOptions>(parsed);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5").arg(o.site->latitudeDeg).arg(o.site->longitudeDeg).arg(o.site->heightM)
                     .arg(o.conditions.minAlgolAltitudeDeg).arg(o.conditions.maxSunAltitudeDeg),
                 read);
    }

    // Messages word for word. What the option parser refuses is said as the other refusals are,
    // with the help to read; what the user typed is quoted with its control characters shown, so
    // that an error stays one line and sends nothing to the terminal.
    void exactMessages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("an option that the command does not take") << QStringList{"time", "--lat", "3", "f.txt"}
            << "time: unknown option --lat (see algol-minima time --help)";
        QTest::newRow("an unknown option of the listing") << QStringList{"--colour"}
            << "unknown option --colour (see algol-minima --help)";
        QTest::newRow("a long option with one dash") << QStringList{"-lat", "48"}
            << "unknown option -lat (see algol-minima --help)";
        QTest::newRow("a missing value") << QStringList{"--days", "3", "--lon"}
            << "--lon: the value is missing (see algol-minima --help)";
        QTest::newRow("a value to an option that takes none") << QStringList{"--all=yes"}
            << "--all: this option takes no value (see algol-minima --help)";
        QTest::newRow("a command after an option") << QStringList{"--days", "3", "fit", "t.csv"}
            << "the command fit comes first, before the options (see algol-minima fit --help)";

        QTest::newRow("a line end in a value")
            << QStringList{"--format", "pdf\nalgol-minima: fake"}
            << "--format: unknown format \"pdf\\nalgol-minima: fake\" (table, csv, json or ics)";
        QTest::newRow("a tab, a carriage return, an escape and a C1 control")
            << QStringList{"--days", "3\t\r\x1b\u009b"}
            << "--days: the number of days is a whole number from 1 to 36525 (100 years), not \"3\\t\\r\\x1b\\u009b\"";
        QTest::newRow("a line end in an unknown option") << QStringList{"--col\nour"}
            << "unknown option --col\\nour (see algol-minima --help)";
        QTest::newRow("a star's name one letter off") << QStringList{"--star", "bet Perx"}
            << "--star: unknown star \"bet Perx\": did you mean β Per?";
        QTest::newRow("a star's name near two") << QStringList{"--star", "RV Cas"}
            << "--star: unknown star \"RV Cas\": did you mean RZ Cas or TV Cas?";
        QTest::newRow("a star's name near none") << QStringList{"--star", "Betelgeuse"}
            << "--star: unknown star \"Betelgeuse\" (algol-minima --stars lists the stars)";
        QTest::newRow("a long value cut at 100 characters")
            << QStringList{"--format", QString(150, QLatin1Char('x'))}
            << "--format: unknown format \"" + QString(100, QLatin1Char('x')) + "...\" (table, csv, json or ics)";
    }
    void exactMessages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ParsedCommandLine parsed = parseList(arguments);
        const auto *error = std::get_if<UsageError>(&parsed);
        QVERIFY(error);
        QCOMPARE(error->message, message);
    }

    void helpAndVersion()
    {
        QVERIFY(std::holds_alternative<ShowHelp>(parse(QStringLiteral("--lat 99 --help"))));
        QVERIFY(std::holds_alternative<ShowVersion>(parse(QStringLiteral("--version"))));
        QVERIFY(std::holds_alternative<ShowStars>(parse(QStringLiteral("--days 3 --stars"))));
        for (const char *option : {"--from", "--to", "--days", "--lat", "--lon", "--height", "--tz", "--elements",
                                   "--min-altitude", "--sun-altitude", "--all", "--format", "--output", "--star",
                                   "--stars", "--primary-only"})
            QVERIFY2(helpText().contains(QLatin1String(option)), option);
        QVERIFY(helpText().contains(QLatin1String("algol-minima time --help")));
        // Each command's own help, asked for among its options.
        const ParsedCommandLine timeHelp = parse(QStringLiteral("time --folds 9 --help"));
        QVERIFY(std::holds_alternative<ShowHelp>(timeHelp) && std::get<ShowHelp>(timeHelp).command == Command::Time);
        QVERIFY(helpText(Command::Time).startsWith(QLatin1String("Usage: algol-minima time [options] FILE...\n")));
        for (const char *option : {"--elements", "--window", "--method", "--folds", "--noise", "--time-scale",
                                   "--flux", "--format", "--append", "--output"})
            QVERIFY2(helpText(Command::Time).contains(QLatin1String(option)), option);
        const ParsedCommandLine fitHelp = parse(QStringLiteral("fit -h"));
        QVERIFY(std::holds_alternative<ShowHelp>(fitHelp) && std::get<ShowHelp>(fitHelp).command == Command::Fit);
        for (const char *option : {"--elements", "--reject", "--format", "--output"})
            QVERIFY2(helpText(Command::Fit).contains(QLatin1String(option)), option);
        QVERIFY(helpText(Command::Fit).startsWith(QLatin1String("Usage: algol-minima fit [options] [TIMINGS.csv]\n")));
        QVERIFY(helpText(Command::Fit).simplified().contains(QLatin1String("(default: /home/observer/data/algol/timings.csv)")));
    }

    // The timing library's reasons, in English in the library, each have their French. Last: the
    // translation stays installed.
    void timingReasonsInFrench()
    {
        listing::installTranslations(QLocale(QLocale::French, QLocale::France), QStringLiteral("algol-minima"));
        for (int e = 0; e <= int(timing::LineError::UnknownStar); ++e)
            QVERIFY2(listing::lineErrorMessage(timing::LineError(e)) != QLatin1String(timing::lineErrorText(timing::LineError(e))), qPrintable(QString::number(e)));
        for (int e = 0; e <= int(timing::Untimed::NoTemplate); ++e)
            QVERIFY2(listing::untimedMessage(timing::Untimed(e)) != QLatin1String(timing::untimedText(timing::Untimed(e))), qPrintable(QString::number(e)));
        for (int e = 0; e <= int(timing::ElementsError::UnknownStar); ++e)
            QVERIFY2(listing::elementsErrorMessage(timing::ElementsError(e)) != QLatin1String(timing::elementsErrorText(timing::ElementsError(e))), qPrintable(QString::number(e)));
        QCOMPARE(listing::untimedMessage(timing::Untimed::OneSideMissing), QStringLiteral("un côté de l'éclipse manque"));
    }
};

QTEST_GUILESS_MAIN(TestCliOptions)
#include "tst_clioptions.moc"
