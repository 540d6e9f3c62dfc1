// The output formats of algol-minima, from reports built here by hand: the exact bytes of CSV and
// JSON, the table's columns in English and French, and the iCalendar rules of RFC 5545 (CR LF,
// lines folded at 75 octets without cutting a character, text escaped, one stable UID per minimum
// and elements).

#include "formats.h"
#include "listingtexts.h"
#include "starcatalogue.h"

#include <QtTest>

using namespace listing;

namespace {

const QTimeZone kParis("Europe/Paris");

ReportRow row(long long cycle, const QDateTime &utc, std::optional<double> uncertainty,
              std::optional<sky::SkyAtInstant> at = {}, bool high = true, bool dark = true,
              std::optional<double> watchableHours = {})
{
    ReportRow r;
    r.watchableHours = watchableHours;
    r.minimum.cycle = cycle;
    r.minimum.uncertaintyMinutes = uncertainty;
    r.minimum.sky = at;
    r.minimum.algolHighEnough = high;
    r.minimum.skyDarkEnough = dark;
    r.utc = utc;
    r.local = localTimeOf(utc, kParis);
    return r;
}

// Three minima across the change to summer time in Paris, seen from Paris, listed with --all:
// one observable, one in twilight, one by day with Algol low; watchable for 284 minutes (4.73 h),
// 27 minutes (0.45 h) and not at all.
Report parisReport()
{
    Report report;
    report.request.site = sky::Site{48.85, 2.35, 35};
    report.request.zone = kParis;
    report.request.elements = sky::currentElements();
    report.request.all = true;
    report.request.from = QDateTime(QDate(2026, 3, 27), QTime(12, 0), Qt::UTC);
    report.request.to = QDateTime(QDate(2026, 4, 3), QTime(12, 0), Qt::UTC);
    report.generated = QDateTime(QDate(2026, 12, 8), QTime(15, 0, 42), Qt::UTC);
    report.minimaInPeriod = 3;
    report.observableCount = 1;
    report.rows << row(5660, QDateTime(QDate(2026, 3, 27), QTime(20, 14, 5), Qt::UTC), 15,
                       sky::SkyAtInstant{{62.34, 95.26}, {-45.06, 300.0}, {12.25, 80.0}, 0.5449}, true, true, 284 / 60.0)
                << row(5661, QDateTime(QDate(2026, 3, 30), QTime(17, 2, 51), Qt::UTC), 15,
                       sky::SkyAtInstant{{25.04, 60.0}, {-0.04, 280.0}, {-5.56, 10.0}, 0.996}, true, false, 27 / 60.0)
                << row(5662, QDateTime(QDate(2026, 4, 2), QTime(13, 51, 37), Qt::UTC), 16.5,
                       sky::SkyAtInstant{{5.0, 359.96}, {40.0, 200.0}, {30.0, 100.0}, 0.0}, false, false, 0.0);
    return report;
}

// Custom elements, no site, one minimum.
Report plainReport()
{
    Report report;
    report.request.zone = kParis;
    report.request.elements = *sky::parseElementSet("2455528.105:2.867326:jd");
    report.minimaInPeriod = 1;
    report.observableCount = 1;
    report.rows << row(-3, QDateTime(QDate(2010, 11, 15), QTime(23, 30, 0), Qt::UTC), std::nullopt);
    return report;
}

// Fitted elements, no site: the propagated uncertainty and the timings' scatter, both in minutes
// with a decimal. Their first and last timings fell on 2014-12-27 and 2025-11-22 (astropy's
// Time(jd, format='jd').iso).
Report fittedReport()
{
    Report report = plainReport();
    report.request.elements = {sky::ElementSetKind::Fitted, {2458728.0449849, 2.8673289198},
                               sky::TimeReference::Heliocentric,
                               {0.0004477, 0.0000011838, -0.000963, 12, 2457019.1209, 2461001.8385, 0.0019390}};
    report.rows.first().minimum.uncertaintyMinutes = 0.651;
    report.rows.first().minimum.scatterMinutes = 2.7922;
    return report;
}

// Elements fitted to one visual timing of 25 December 2026 (E = 2048 of the current elements):
// the period kept with its stated error, the scatter unknown.
Report oneTimingReport()
{
    Report report = plainReport();
    report.request.elements = {sky::ElementSetKind::Fitted, {2461400.3974141, 2.867326},
                               sky::TimeReference::Heliocentric,
                               {0.0024837, 0.0000040695, 0, 1, 2461400.3974141, 2461400.3974141, std::nullopt},
                               2048};
    report.rows.first().minimum.cycle = 2175;
    report.rows.first().minimum.uncertaintyMinutes = 3.6531;
    return report;
}

// lambda Tau from Paris in December 2026 (tst_sky's otherStarsMinima, astropy): its minimum of 1
// December 19:08:30 UTC and its secondary of 7 December 17:27:03, too low then; watchable 320 and
// 242 minutes of its 8.875 hours.
Report lambdaReport()
{
    const sky::Star &lambda = *sky::findStar("lam Tau");
    Report report = parisReport();
    report.request.elements = sky::catalogueElements(lambda);
    report.request.from = QDateTime(QDate(2026, 12, 1), QTime(0, 0), Qt::UTC);
    report.request.to = QDateTime(QDate(2026, 12, 8), QTime(0, 0), Qt::UTC);
    report.minimaInPeriod = 2;
    report.rows = {row(1568, QDateTime(QDate(2026, 12, 1), QTime(19, 8, 30), Qt::UTC), std::nullopt,
                       sky::SkyAtInstant{{28.7437, 104.5059}, {-30.8, 250.0}, {-37.0, 20.0}, 0.44}, true, true, 320 / 60.0),
                   row(1569, QDateTime(QDate(2026, 12, 7), QTime(17, 27, 3), Qt::UTC), std::nullopt,
                       sky::SkyAtInstant{{16.0241, 89.1182}, {-14.5, 240.0}, {-27.7, 30.0}, 0.02}, false, true, 242 / 60.0)};
    for (ReportRow &r : report.rows)
        r.minimum.star = &lambda;
    report.rows[1].minimum.secondary = true;
    return report;
}

// Every star of the catalogue from Paris, 8 to 10 December 2026, seen or not, as algol-minima
// --star all --all lists them.
Request everyStarRequest()
{
    Request request = parisReport().request;
    request.everyStar = true;
    request.from = QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
    request.to = request.from.addDays(2);
    return request;
}

QList<QByteArray> icsLines(const QByteArray &ics)
{
    QList<QByteArray> lines = ics.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The content lines of a folded file: each continuation (a line starting with a space) joined
// back to the line before it.
QStringList unfolded(const QByteArray &ics)
{
    QByteArray joined = ics;
    joined.replace("\r\n ", "");
    QStringList lines = QString::fromUtf8(joined).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class TestCliFormats : public QObject
{
    Q_OBJECT

private slots:
    void machineFormats_data()
    {
        QTest::addColumn<QByteArray>("produced");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("CSV with a site") << csvText(parisReport()) << QByteArray(
            "cycle,utc,local,zone,algol_altitude,algol_azimuth,sun_altitude,moon_altitude,moon_illumination,observable,reason,uncertainty_minutes,watchable_hours\n"
            "5660,2026-03-27T20:14:05Z,2026-03-27T21:14:05+01:00,CET,62.3,95.3,-45.1,12.3,0.54,true,,15,4.7\n"
            "5661,2026-03-30T17:02:51Z,2026-03-30T19:02:51+02:00,CEST,25.0,60.0,0.0,-5.6,1.00,false,sky_bright,15,0.5\n"
            "5662,2026-04-02T13:51:37Z,2026-04-02T15:51:37+02:00,CEST,5.0,0.0,40.0,30.0,0.00,false,algol_low sky_bright,17,0.0\n");
        QTest::newRow("CSV without a site") << csvText(plainReport()) << QByteArray(
            "cycle,utc,local,zone,uncertainty_minutes,watchable_hours\n"
            "-3,2010-11-15T23:30:00Z,2010-11-16T00:30:00+01:00,CET,,\n");
        QTest::newRow("CSV of nothing") << csvText(Report{}) << QByteArray("cycle,utc,local,zone,uncertainty_minutes,watchable_hours\n");
        QTest::newRow("JSON with a site") << jsonText(parisReport()) << QByteArray(
            "[\n"
            "  {\"cycle\": 5660, \"utc\": \"2026-03-27T20:14:05Z\", \"local\": \"2026-03-27T21:14:05+01:00\", \"zone\": \"CET\", "
            "\"algol_altitude\": 62.3, \"algol_azimuth\": 95.3, \"sun_altitude\": -45.1, \"moon_altitude\": 12.3, "
            "\"moon_illumination\": 0.54, \"observable\": true, \"reason\": null, \"uncertainty_minutes\": 15, \"watchable_hours\": 4.7},\n"
            "  {\"cycle\": 5661, \"utc\": \"2026-03-30T17:02:51Z\", \"local\": \"2026-03-30T19:02:51+02:00\", \"zone\": \"CEST\", "
            "\"algol_altitude\": 25.0, \"algol_azimuth\": 60.0, \"sun_altitude\": 0.0, \"moon_altitude\": -5.6, "
            "\"moon_illumination\": 1.00, \"observable\": false, \"reason\": \"sky_bright\", \"uncertainty_minutes\": 15, \"watchable_hours\": 0.5},\n"
            "  {\"cycle\": 5662, \"utc\": \"2026-04-02T13:51:37Z\", \"local\": \"2026-04-02T15:51:37+02:00\", \"zone\": \"CEST\", "
            "\"algol_altitude\": 5.0, \"algol_azimuth\": 0.0, \"sun_altitude\": 40.0, \"moon_altitude\": 30.0, "
            "\"moon_illumination\": 0.00, \"observable\": false, \"reason\": \"algol_low sky_bright\", \"uncertainty_minutes\": 17, \"watchable_hours\": 0.0}\n"
            "]\n");
        QTest::newRow("JSON without a site") << jsonText(plainReport()) << QByteArray(
            "[\n"
            "  {\"cycle\": -3, \"utc\": \"2010-11-15T23:30:00Z\", \"local\": \"2010-11-16T00:30:00+01:00\", \"zone\": \"CET\", "
            "\"uncertainty_minutes\": null, \"watchable_hours\": null}\n"
            "]\n");
        QTest::newRow("JSON of nothing") << jsonText(Report{}) << QByteArray("[]\n");
        QTest::newRow("CSV of fitted elements") << csvText(fittedReport()) << QByteArray(
            "cycle,utc,local,zone,uncertainty_minutes,scatter_minutes,watchable_hours\n"
            "-3,2010-11-15T23:30:00Z,2010-11-16T00:30:00+01:00,CET,0.7,2.8,\n");
        QTest::newRow("CSV of one timing's elements") << csvText(oneTimingReport()) << QByteArray(
            "cycle,utc,local,zone,uncertainty_minutes,scatter_minutes,watchable_hours\n"
            "2175,2010-11-15T23:30:00Z,2010-11-16T00:30:00+01:00,CET,3.7,,\n");
        QTest::newRow("JSON of one timing's elements") << jsonText(oneTimingReport()) << QByteArray(
            "[\n"
            "  {\"cycle\": 2175, \"utc\": \"2010-11-15T23:30:00Z\", \"local\": \"2010-11-16T00:30:00+01:00\", \"zone\": \"CET\", "
            "\"uncertainty_minutes\": 3.7, \"scatter_minutes\": null, \"watchable_hours\": null}\n"
            "]\n");
        QTest::newRow("CSV of another star, its secondary among the minima") << csvText(lambdaReport()) << QByteArray(
            "star,minimum,cycle,utc,local,zone,star_altitude,star_azimuth,sun_altitude,moon_altitude,moon_illumination,observable,reason,uncertainty_minutes,watchable_hours\n"
            "λ Tau,primary,1568,2026-12-01T19:08:30Z,2026-12-01T20:08:30+01:00,CET,28.7,104.5,-30.8,-37.0,0.44,true,,,5.3\n"
            "λ Tau,secondary,1569,2026-12-07T17:27:03Z,2026-12-07T18:27:03+01:00,CET,16.0,89.1,-14.5,-27.7,0.02,false,star_low,,4.0\n");
        QTest::newRow("JSON of fitted elements") << jsonText(fittedReport()) << QByteArray(
            "[\n"
            "  {\"cycle\": -3, \"utc\": \"2010-11-15T23:30:00Z\", \"local\": \"2010-11-16T00:30:00+01:00\", \"zone\": \"CET\", "
            "\"uncertainty_minutes\": 0.7, \"scatter_minutes\": 2.8, \"watchable_hours\": null}\n"
            "]\n");
    }
    void machineFormats()
    {
        QFETCH(QByteArray, produced);
        QFETCH(QByteArray, expected);
        QCOMPARE(produced, expected);
    }

    void table()
    {
        const QStringList lines = QString::fromUtf8(tableText(parisReport(), QLocale::c()))
                                      .split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Minima of Algol seen from 48.85° N, 2.35° E, 35 m, time zone Europe/Paris"));
        QCOMPARE(lines.value(1), QStringLiteral("From Fri 2026-03-27 13:00 CET to Fri 2026-04-03 14:00 CEST"));
        QVERIFY2(lines.value(3).endsWith(QStringLiteral(": 1 of 3 minima")), qPrintable(lines.value(3)));
        QCOMPARE(lines.value(4), QString());
        // Each value sits right under the end of its heading (numbers) or at its start (texts).
        const QString heading = lines.value(5);
        const auto rowOf = [&](int i) { return lines.value(6 + i); };
        const auto cellEndsUnder = [&](int i, const QString &title, const QString &cell) {
            const qsizetype end = heading.indexOf(title) + title.size();
            return rowOf(i).mid(0, end).endsWith(cell);
        };
        const auto cellStartsUnder = [&](int i, const QString &title, const QString &cell) {
            return rowOf(i).mid(heading.indexOf(title)).startsWith(cell);
        };
        QVERIFY2(cellEndsUnder(0, QStringLiteral("Cycle"), QStringLiteral("5660")), qPrintable(rowOf(0)));
        QVERIFY2(cellStartsUnder(1, QStringLiteral("Local time"), QStringLiteral("Mon 2026-03-30 19:02:51 CEST +02:00")), qPrintable(rowOf(1)));
        QVERIFY2(cellStartsUnder(2, QStringLiteral("UTC"), QStringLiteral("2026-04-02 13:51:37")), qPrintable(rowOf(2)));
        QVERIFY2(cellEndsUnder(0, QStringLiteral("Algol"), QStringLiteral("62.3°")), qPrintable(rowOf(0)));
        QVERIFY2(cellEndsUnder(2, QStringLiteral("Azimuth"), QStringLiteral("0.0°")), qPrintable(rowOf(2)));
        QVERIFY2(cellEndsUnder(1, QStringLiteral("Sun"), QStringLiteral(" 0.0°")), qPrintable(rowOf(1)));
        QVERIFY2(cellEndsUnder(1, QStringLiteral("Moon"), QStringLiteral("-5.6°")), qPrintable(rowOf(1)));
        QVERIFY2(cellEndsUnder(1, QStringLiteral("Lit"), QStringLiteral("100 %")), qPrintable(rowOf(1)));
        QVERIFY2(cellStartsUnder(2, QStringLiteral("Uncertainty"), QStringLiteral("±17 min")), qPrintable(rowOf(2)));
        QVERIFY2(cellStartsUnder(0, QStringLiteral("Watchable"), QStringLiteral("4.7 of 6 h  yes")), qPrintable(rowOf(0)));
        QVERIFY2(cellStartsUnder(2, QStringLiteral("Watchable"), QStringLiteral("0.0 of 6 h  no")), qPrintable(rowOf(2)));
        QVERIFY2(rowOf(0).endsWith(QStringLiteral("  yes")), qPrintable(rowOf(0)));
        QVERIFY2(rowOf(2).endsWith(QStringLiteral("  no: Algol too low, sky too bright")), qPrintable(rowOf(2)));
        QCOMPARE(lines.size(), 6 + 3 + 1);
    }

    // Another star: its name in the header, a star and a P/S column, its altitude, the year of its
    // elements for an uncertainty, its watch window, its name among the hindrances.
    void tableOfAnotherStar()
    {
        const QStringList lines = QString::fromUtf8(tableText(lambdaReport(), QLocale::c())).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Minima of λ Tau seen from 48.85° N, 2.35° E, 35 m, time zone Europe/Paris"));
        QCOMPARE(lines.value(2), QStringLiteral("Elements: catalogue (O-C gateway, linear elements valid to 2018-07), "
                                                "Min I = HJD 2455178.081 + 3.9529478 E; no uncertainty published"));
        QCOMPARE(lines.value(3), QStringLiteral("Observable when λ Tau stands at least 20.0° high and the Sun at most "
                                                "-12.0°: 1 of 2 minima"));
        QVERIFY2(lines.value(5).startsWith(QStringLiteral("Star   P/S  Cycle  Local time")), qPrintable(lines.value(5)));
        QVERIFY2(lines.value(5).contains(QStringLiteral("UTC                  Altitude  Azimuth")), qPrintable(lines.value(5)));
        QVERIFY2(lines.value(6).startsWith(QStringLiteral("λ Tau  P     1568  Tue 2026-12-01 20:08:30 CET")), qPrintable(lines.value(6)));
        QVERIFY2(lines.value(6).endsWith(QStringLiteral("  elements of 2018  5.3 of 8.9 h  yes")), qPrintable(lines.value(6)));
        QVERIFY2(lines.value(7).startsWith(QStringLiteral("λ Tau  S     1569")), qPrintable(lines.value(7)));
        QVERIFY2(lines.value(7).endsWith(QStringLiteral("  4.0 of 8.9 h  no: λ Tau too low")), qPrintable(lines.value(7)));
        // Without secondaries to list, no P/S column.
        Report primaries = lambdaReport();
        primaries.request.primaryOnly = true;
        primaries.rows.removeLast();
        QVERIFY(QString::fromUtf8(tableText(primaries, QLocale::c())).contains(QStringLiteral("\nStar   Cycle  Local time")));
        QVERIFY(csvText(primaries).startsWith("star,cycle,utc,"));
        // JSON has null where no uncertainty is published.
        QVERIFY(jsonText(lambdaReport()).startsWith("[\n  {\"star\": \"λ Tau\", \"minimum\": \"primary\", \"cycle\": 1568,"));
        QCOMPARE(jsonText(lambdaReport()).count("\"uncertainty_minutes\": null"), 2);
    }

    // Every star's minima of two days, merged by time, each row with its star, the secondaries
    // marked; --primary-only leaves the secondaries out and nothing else.
    void everyStar()
    {
        const QDateTime made(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        const Report report = makeReport(everyStarRequest(), made);
        QVERIFY(report.rows.size() > 20);
        QSet<QString> stars;
        int secondaries = 0;
        for (qsizetype i = 0; i < report.rows.size(); ++i) {
            const sky::PredictedMinimum &m = report.rows[i].minimum;
            stars << QString::fromStdString(m.star->designation);
            secondaries += m.secondary;
            if (i > 0)
                QVERIFY(report.rows[i - 1].minimum.jdUtc <= m.jdUtc);
        }
        QVERIFY2(stars.size() >= 15 && stars.contains(QStringLiteral("β Per")), qPrintable(QStringList(stars.values()).join(' ')));
        QVERIFY(secondaries > 0);
        const QString csv = QString::fromUtf8(csvText(report));
        QVERIFY(csv.startsWith(QStringLiteral("star,minimum,cycle,utc,")));
        QVERIFY(csv.contains(QStringLiteral("\nβ Per,primary,")));
        Request primaryOnly = everyStarRequest();
        primaryOnly.primaryOnly = true;
        const Report primaries = makeReport(primaryOnly, made);
        QCOMPARE(primaries.rows.size(), report.rows.size() - secondaries);
        QVERIFY(csvText(primaries).startsWith("star,cycle,utc,"));
        // The title, and the calendar's events named, each star's its own identifiers.
        QVERIFY(tableText(report, QLocale::c()).startsWith("Minima of 18 eclipsing binaries seen from 48.85° N"));
        const QStringList ics = unfolded(icsText(report));
        QVERIFY(ics.contains(QStringLiteral("X-WR-CALNAME:Minima of 18 eclipsing binaries")));
        QStringList uids;
        for (const QString &line : ics)
            if (line.startsWith(QLatin1String("UID:")))
                uids << line;
        QCOMPARE(uids.size(), report.rows.size());
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    }

    void tableWithoutSite()
    {
        const QString text = QString::fromUtf8(tableText(plainReport(), QLocale::c()));
        QVERIFY2(text.contains(QStringLiteral("No site given (--lat and --lon)")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("your own, Min I = JD 2455528.105 + 2.867326 E")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Tue 2010-11-16 00:30:00 CET +01:00  2010-11-15 23:30:00  unknown\n")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Azimuth")), qPrintable(text));
    }

    // Where the site comes from, and why there is none: the header's first line, or its fourth
    // without a site. (A typed site and none typed: table() and tableWithoutSite().)
    void tableSaysWhereFrom_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("line");
        QTest::newRow("the planner's site") << int(SiteSource::PlannerSite) << "Lyon"
            << "Minima of Algol seen from Lyon (your planner's site), 48.85° N, 2.35° E, 35 m, time zone Europe/Paris";
        QTest::newRow("the planner's site, its name with a line end") << int(SiteSource::PlannerSite) << "Lyon\nfake"
            << "Minima of Algol seen from Lyon\\nfake (your planner's site), 48.85° N, 2.35° E, 35 m, time zone Europe/Paris";
        QTest::newRow("the planner's site without a name") << int(SiteSource::PlannerSite) << ""
            << "Minima of Algol seen from your planner's site, 48.85° N, 2.35° E, 35 m, time zone Europe/Paris";
        QTest::newRow("the zone's city") << int(SiteSource::ZoneCity) << "Paris"
            << "Minima of Algol seen from Paris, the city of your time zone Europe/Paris, 48.85° N, 2.35° E, 35 m "
               "(--lat and --lon give your own site)";
        QTest::newRow("a zone without a city") << int(SiteSource::ZoneCity) << ""
            << "No site: none typed (--lat and --lon) or saved by the planner, and the time zone Europe/Paris "
               "names no city; the minima are listed without their altitudes and visibility.";
    }
    void tableSaysWhereFrom()
    {
        QFETCH(int, source);
        QFETCH(QString, place);
        QFETCH(QString, line);
        Report report = place.isEmpty() && source == int(SiteSource::ZoneCity) ? plainReport() : parisReport();
        report.request.siteSource = SiteSource(source);
        report.request.placeName = place;
        const QStringList lines = QString::fromUtf8(tableText(report, QLocale::c())).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(report.request.site ? 0 : 3), line);
    }

    void tableAndCalendarOfFittedElements()
    {
        const QString text = QString::fromUtf8(tableText(fittedReport(), QLocale::c()));
        QVERIFY2(text.contains(QStringLiteral("Elements: fitted, Min I = HJD 2458728.0449849 + 2.8673289198 E "
                                              "(timings: 12, from 2014-12-27 to 2025-11-22); uncertainty propagated")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  Uncertainty  Scatter\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  ±0.7 min     ±2.8 min\n")), qPrintable(text));
        const QStringList ics = unfolded(icsText(fittedReport()));
        const auto description = std::find_if(ics.begin(), ics.end(), [](const QString &line) {
            return line.startsWith(QLatin1String("DESCRIPTION:"));
        });
        QVERIFY2(description->contains(QStringLiteral("\\, within ±0.7 minutes by the fit\\, the timings scattering by ±2.8 minutes.")),
                 qPrintable(*description));
    }

    // One timing: what the elements rest on, and a scatter that is unknown, never 0.
    void tableAndCalendarOfOneTiming()
    {
        const QString text = QString::fromUtf8(tableText(oneTimingReport(), QLocale::c()));
        QVERIFY2(text.contains(QStringLiteral("Elements: fitted, Min I = HJD 2461400.3974141 + 2.867326 (E - 2048) "
                                              "(resting on one timing, of 2026-12-25: the scatter of Algol's timings is unknown)")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral(" 2175  Tue 2010-11-16 00:30:00 CET +01:00  2010-11-15 23:30:00  ±3.7 min     unknown\n")),
                 qPrintable(text));
        const QStringList ics = unfolded(icsText(oneTimingReport()));
        const auto description = std::find_if(ics.begin(), ics.end(), [](const QString &line) {
            return line.startsWith(QLatin1String("DESCRIPTION:"));
        });
        QVERIFY2(description->contains(QStringLiteral("(cycle 2175)")) && description->contains(
                     QStringLiteral("\\, within ±3.7 minutes by the fit\\, the scatter of the timings unknown.")),
                 qPrintable(*description));
    }

    // Offsets with seconds from the zone database: Africa/Monrovia -0:44:30 until 1972,
    // Europe/Amsterdam's summer time +1:19:32 until 1937.
    void offsets_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTC") << 0 << "+00:00";
        QTest::newRow("Newfoundland") << -12600 << "-03:30";
        QTest::newRow("Monrovia") << -2670 << "-00:44:30";
        QTest::newRow("Amsterdam") << 4772 << "+01:19:32";
    }
    void offsets()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(offsetText(seconds), text);
    }

    void emptyTableSaysWhy_data()
    {
        QTest::addColumn<int>("why");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("Algol never high enough") << int(sky::NoneObservable::AlgolNeverHighEnough)
            << "Algol never climbs 20.0° above the horizon at latitude 48.85°: no minimum can be seen from this site.";
        QTest::newRow("sky never dark") << int(sky::NoneObservable::SkyNeverDarkEnough)
            << "The Sun never goes below -12.0° on the days of these minima: the sky is never dark enough here.";
        QTest::newRow("none this time") << int(sky::NoneObservable::NoneThisTime)
            << "None of the 3 minima of this period can be seen: at each of them Algol is too low or the sky too bright.";
        QTest::newRow("no minimum") << int(sky::NoneObservable::NoMinimum)
            << "There is no minimum of Algol in this period.";
    }
    void emptyTableSaysWhy()
    {
        QFETCH(int, why);
        QFETCH(QString, sentence);
        Report report = parisReport();
        report.rows.clear();
        report.observableCount = 0;
        report.none = sky::NoneObservable(why);
        const QString text = QString::fromUtf8(tableText(report, QLocale::c()));
        QVERIFY2(text.endsWith(QLatin1String("\n\n") + sentence + QLatin1Char('\n')), qPrintable(text));
    }

    void icsContentLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("expected");
        const QString a74(74, QLatin1Char('a'));
        const QByteArray b74(74, 'a');
        QTest::newRow("75 octets stay whole") << a74 + "b" << b74 + "b\r\n";
        QTest::newRow("76 octets fold once") << a74 + "bc" << b74 + "b\r\n c\r\n";
        QTest::newRow("a continuation holds 74 octets")
            << a74 + "b" + QString(74, QLatin1Char('c')) + "d"
            << b74 + "b\r\n " + QByteArray(74, 'c') + "\r\n d\r\n";
        QTest::newRow("a two-octet character is not cut")
            << a74 + QStringLiteral("°x") << b74 + "\r\n \xc2\xb0x\r\n";
        QTest::newRow("a three-octet character is not cut")
            << QString(73, QLatin1Char('a')) + QStringLiteral("\u2212x") << QByteArray(73, 'a') + "\r\n \xe2\x88\x92x\r\n";
        QTest::newRow("a four-octet character is not cut")
            << a74 + QStringLiteral("\U0001F31F") << b74 + "\r\n \xf0\x9f\x8c\x9f\r\n";
        QTest::newRow("a character that ends at 75 stays")
            << QString(73, QLatin1Char('a')) + QStringLiteral("°x") << QByteArray(73, 'a') + "\xc2\xb0\r\n x\r\n";
        QTest::newRow("escaped text")
            << "SUMMARY:" + icsEscaped(QStringLiteral("a,b;c\\d\ne"))
            << QByteArray("SUMMARY:a\\,b\\;c\\\\d\\ne\r\n");
    }
    void icsContentLines()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, expected);
        QCOMPARE(icsContentLine(line), expected);
    }

    void icsFoldingAndEscaping()
    {
        const QByteArray ics = icsText(parisReport());
        for (const QByteArray &line : icsLines(ics)) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() - 1 <= 75, line.constData());
            QVERIFY2(QString::fromUtf8(line).toUtf8() == line, line.constData()); // no cut character
        }
        const QStringList lines = unfolded(ics);
        QCOMPARE(lines.first(), QStringLiteral("BEGIN:VCALENDAR"));
        QCOMPARE(lines.last(), QStringLiteral("END:VCALENDAR"));
        QCOMPARE(lines.count(QStringLiteral("BEGIN:VEVENT")), 3);
        QVERIFY(lines.contains(QStringLiteral("DTSTART:20260330T150251Z")));
        QVERIFY(lines.contains(QStringLiteral("DTEND:20260330T190251Z")));
        QVERIFY(lines.contains(QStringLiteral("DTSTAMP:20261208T150042Z")));
        QVERIFY(lines.contains(QStringLiteral("SUMMARY:Algol minimum at 19:02 CEST (not observable)")));
        QVERIFY(lines.contains(QStringLiteral("GEO:48.85;2.35")));
        QVERIFY(lines.contains(QStringLiteral(
            "DESCRIPTION:Minimum of Algol (cycle 5660) at 21:14:05 CET (20:14:05 UTC)\\, within ±15 minutes.\\n"
            "Algol 62.3° high\\, azimuth 95.3°. Sun -45.1°. Moon 12.3°\\, 54% lit.\\n"
            "Observable from 48.85° N\\, 2.35° E\\, 35 m.\\n"
            "Watchable: 4.7 of the 6 hours around the minimum.\\n"
            "Elements: current (O-C gateway)\\, Min I = HJD 2455528.105 + 2.867326 E.")));
    }

    void icsIdentifiers()
    {
        const auto uids = [](const Report &report) {
            QStringList found;
            for (const QString &line : unfolded(icsText(report)))
                if (line.startsWith(QLatin1String("UID:")))
                    found << line;
            return found;
        };
        Report paris = parisReport();
        const QStringList first = uids(paris);
        QCOMPARE(first.size(), 3);
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 3);
        // Another site, another day of making, a shorter period: the same minima keep their UIDs.
        Report elsewhere = paris;
        elsewhere.request.site = sky::Site{-33.9, 18.4, 0};
        elsewhere.generated = elsewhere.generated.addDays(40);
        elsewhere.rows.removeFirst();
        QCOMPARE(uids(elsewhere), first.mid(1));
        // Other elements: other events.
        Report classic = paris;
        classic.request.elements = sky::classicElements();
        for (const QString &uid : uids(classic))
            QVERIFY2(!first.contains(uid), qPrintable(uid));
        Report custom = paris;
        custom.request.elements = *sky::parseElementSet("2455528.105:2.867326");
        const QStringList customUids = uids(custom);
        for (const QString &uid : customUids)
            QVERIFY2(!first.contains(uid), qPrintable(uid));
        custom.request.elements = *sky::parseElementSet("2455528.105:2.867327");
        QVERIFY(uids(custom) != customUids);
        // Another star: its name, its minimum and its secondary apart.
        const QStringList lambda = uids(lambdaReport());
        QCOMPARE(lambda, QStringList({"UID:lam-tau-minimum-1568-current@algol-minima",
                                      "UID:lam-tau-secondary-1569-current@algol-minima"}));
        const QStringList lines = unfolded(icsText(lambdaReport()));
        QVERIFY(lines.contains(QStringLiteral("SUMMARY:λ Tau secondary minimum at 18:27 CET (not observable)")));
        QVERIFY(lines.contains(QStringLiteral("X-WR-CALNAME:Minima of λ Tau")));
        const QString description = lines.filter(QStringLiteral("DESCRIPTION:Minimum of λ Tau (cycle 1568)")).value(0);
        QVERIFY2(description.contains(QStringLiteral("(19:08:30 UTC)\\, elements of 2018 (no uncertainty published).\\nλ Tau 28.7° high"))
                     && description.contains(QStringLiteral("Watchable: 5.3 of the 8.9 hours")),
                 qPrintable(description));
    }

    // Last: the French translation stays installed for the rest of the process.
    void french()
    {
        installTranslations(QLocale(QLocale::French, QLocale::France));
        const QString text = QString::fromUtf8(tableText(parisReport(), QLocale(QLocale::French, QLocale::France)));
        QVERIFY2(text.startsWith(QStringLiteral("Minima d'Algol vus depuis 48,85° N, 2,35° E, 35 m, fuseau horaire Europe/Paris\n"
                                                "Du ven. 2026-03-27 13:00 CET au ven. 2026-04-03 14:00 CEST\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("62,3°")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  Heures utiles  Observable\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  4,7 sur 6 h    oui\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("non : Algol trop basse, ciel trop clair\n")), qPrintable(text));
        // The calendar's texts are French too, its numbers keep their decimal point.
        const QStringList ics = unfolded(icsText(parisReport()));
        QVERIFY(ics.contains(QStringLiteral("SUMMARY:Minimum d'Algol à 21:14 CET")));
        QVERIFY(ics.contains(QStringLiteral("X-WR-CALNAME:Minima d'Algol")));
        const auto description = std::find_if(ics.begin(), ics.end(), [](const QString &line) {
            return line.startsWith(QLatin1String("DESCRIPTION:"));
        });
        QVERIFY2(description->contains(QStringLiteral("Algol à 62.3° de hauteur\\, azimut 95.3°")), qPrintable(*description));
        // Another star's texts.
        const QString lambda = QString::fromUtf8(tableText(lambdaReport(), QLocale(QLocale::French, QLocale::France)));
        QVERIFY2(lambda.startsWith(QStringLiteral("Minima de λ Tau vus depuis 48,85° N")), qPrintable(lambda));
        QVERIFY2(lambda.contains(QStringLiteral("  éléments de 2018  5,3 sur 8,9 h  oui\n")), qPrintable(lambda));
        QVERIFY2(lambda.contains(QStringLiteral("non : λ Tau trop basse\n")), qPrintable(lambda));
        // CSV stays the same whatever the language.
        QCOMPARE(csvText(parisReport()).left(6), QByteArray("cycle,"));
        QVERIFY(csvText(parisReport()).contains(",62.3,"));
    }
};

QTEST_GUILESS_MAIN(TestCliFormats)
#include "tst_cliformats.moc"
