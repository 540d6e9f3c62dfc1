// The O−C diagram, the light-curve and observing sheets and the minimum report line, through what
// they show and write: pixels at known places, the read-out, the CSV's bytes, the SVG's XML, the
// sheets' white pages and texts, the report's words.

#include "drawntext.h"
#include "comparisonstars.h"
#include "listingtexts.h"
#include "lightcurvesheet.h"
#include "minimumreport.h"
#include "observingsheet.h"
#include "ocdiagram.h"
#include "plan.h"
#include "sheetpage.h"
#include "starcatalogue.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

using namespace planner;
using Flag = timing::Residual::Flag;

namespace {

// Geocentric elements with round numbers, JD 2460000.5 + 2.5 E (JD 2460000.5 is 2023-02-25 at
// 00:00 UTC: 8456 days after 2000-01-01 00:00, JD 2451544.5), and three timings on JD UTC around cycles 0, 1 and 2: O−C of -0.002, +0.001 and
// +0.002 days (-2.88, +1.44 and +2.88 minutes).
const sky::ElementSet kRoundElements = *sky::parseElementSet("2460000.5:2.5:jd");

std::vector<timing::TimingRecord> threeTimings()
{
    const double minima[] = {2460000.498, 2460003.001, 2460005.502};
    const double errors[] = {0.0005, 0.0005, 0.2}; // the last one's bar far beyond the plot
    const char *sources[] = {"a, \"b\".txt", "Tom & Jerry <1>.csv", "c.txt"};
    std::vector<timing::TimingRecord> records;
    for (int i = 0; i < 3; ++i) {
        timing::TimingRecord record;
        record.cycle = i;
        record.minimum = minima[i];
        record.scale = sky::DateScale::JulianDayUtc;
        record.errorDays = errors[i];
        record.method = i == 0 ? "template" : "kvw";
        record.source = sources[i];
        records.push_back(record);
    }
    return records;
}

// A fit that flags the second timing and leaves out the third.
timing::ElementsFit flaggingFit()
{
    timing::ElementsFit fit;
    fit.fitted = kRoundElements;
    fit.residuals.resize(3);
    fit.residuals[1].flag = Flag::Flagged;
    fit.residuals[2].flag = Flag::Rejected;
    return fit;
}

bool near(QRgb pixel, const QColor &colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance
        && std::abs(qGreen(pixel) - colour.green()) <= tolerance
        && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}


listing::Request parisRequest()
{
    listing::Request request;
    request.from = QDateTime(QDate(2026, 12, 8), QTime(17, 0), Qt::UTC);
    request.to = request.from.addDays(30);
    request.site = sky::Site{48.85, 2.35, 0};
    request.zone = QTimeZone("Europe/Paris");
    request.elements = sky::currentElements();
    return request;
}

// The minimum of cycle 2048 seen from Paris, 25 December 2026 at 21:13:39 UTC (22:13 CET), as
// tst_planner's rows give it from astropy.
listing::ReportRow christmasMinimum()
{
    const listing::Request request = parisRequest();
    for (const listing::ReportRow &row : makePlan(request, request.from).report.rows)
        if (row.minimum.cycle == 2048)
            return row;
    qFatal("no minimum 2048");
}

} // namespace

class TestOcDiagram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
    }

    // Drawn at 1000 x 600, the plot spans x 64 to 980 and y 88 to 570 (the margins). The O−C
    // axis, -2.88 to +2.88 minutes widened by 8 % each side and to whole steps (6.68 / 6 rounded
    // up to 1, 2 or 5 times a power of ten: 2), runs from -4 to +4: zero at y = 570 - 4/8 * 482 = 329, +1.44 at
    // 570 - 5.44/8 * 482 = 242.2. The dates run from the first minus a day to the last plus a
    // day, 2459999.498 to 2460006.502: the second timing at x = 64 + 3.503/7.004 * 916 = 522.1,
    // the third (+2.88 min) at x = 64 + 6.004/7.004 * 916 = 849.2, y = 570 - 6.88/8 * 482 = 155.5.
    void pixels_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QColor>("point");
        QTest::addColumn<QColor>("rejected");
        QTest::addColumn<QColor>("zero");
        QTest::addColumn<QColor>("bar");
        QTest::newRow("screen, dark") << int(OcDiagram::Scheme::Dark) << QColor(235, 240, 255)
                                      << QColor(255, 96, 96) << QColor(200, 205, 220) << QColor(110, 128, 168);
        QTest::newRow("paper, light") << int(OcDiagram::Scheme::Light) << QColor(24, 64, 160)
                                      << QColor(200, 30, 30) << QColor(60, 64, 72) << QColor(140, 150, 170);
    }
    void pixels()
    {
        QFETCH(int, scheme);
        QFETCH(QColor, point);
        QFETCH(QColor, rejected);
        QFETCH(QColor, zero);
        QFETCH(QColor, bar);
        const auto records = threeTimings();
        timing::ElementsFit fit = flaggingFit();
        fit.residuals[1].flag = Flag::Kept;
        OcDiagram diagram;
        diagram.setData(ocData(records, kRoundElements, &fit, QLocale::c()));
        QImage image(1000, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        diagram.paint(painter, image.rect(), OcDiagram::Scheme(scheme));
        painter.end();
        QVERIFY2(near(image.pixel(522, 242), point, 30), qPrintable(QColor(image.pixel(522, 242)).name()));
        QVERIFY2(near(image.pixel(849, 155), rejected, 60), qPrintable(QColor(image.pixel(849, 155)).name()));
        QVERIFY2(near(image.pixel(300, 329), zero, 10), qPrintable(QColor(image.pixel(300, 329)).name()));
        // The third timing's error of 288 minutes is drawn to the plot's top and bottom,
        // and the scale stays on the points.
        for (const int y : {90, 568})
            QVERIFY2(near(image.pixel(849, y), bar, 10) || near(image.pixel(850, y), bar, 10), qPrintable(QString::number(y)));
        QCOMPARE(diagram.data().highMinutes, 4.0);
    }

    // The second timing, 2023-02-27 at 12:01:26 UTC (JD 2460003.001), read out when pointed at,
    // reached with the arrows, and chosen with Enter or a click.
    void readoutAndChoice()
    {
        const auto records = threeTimings();
        const timing::ElementsFit fit = flaggingFit();
        OcDiagram diagram;
        diagram.setData(ocData(records, kRoundElements, &fit, QLocale::c()));
        diagram.resize(1000, 600);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        QSignalSpy readouts(&diagram, &OcDiagram::readoutChanged);
        QSignalSpy chosen(&diagram, &OcDiagram::timingChosen);
        const QString second = QStringLiteral("2023-02-27 12:01 UTC, E 1: O−C +1.4 min (+0.00100 d) ± 0.7 min, kvw, "
                                              "Tom & Jerry <1>.csv; beyond 3 sigma of the fit");

        QTest::mouseMove(&diagram, QPoint(524, 244));
        QCOMPARE(readouts.size(), 1);
        QCOMPARE(readouts.last().at(0).toString(), second);
        QTest::mouseMove(&diagram, QPoint(400, 400)); // near nothing: the read-out stays
        QCOMPARE(readouts.size(), 1);

        diagram.setFocus();
        QTest::keyClick(&diagram, Qt::Key_Right);
        QCOMPARE(readouts.last().at(0).toString().left(34), QStringLiteral("2023-03-02 00:02 UTC, E 2: O−C +2."));
        QTest::keyClick(&diagram, Qt::Key_Left);
        QCOMPARE(readouts.last().at(0).toString(), second);
        QTest::keyClick(&diagram, Qt::Key_Return);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.last().at(0).toDouble(), 2460003.001);
        QCOMPARE(chosen.last().at(1).value<qsizetype>(), qsizetype(1));

        QTest::mouseClick(&diagram, Qt::LeftButton, {}, QPoint(64 + 1, 570 - int(1.12 / 8 * 482)));
        QCOMPARE(chosen.size(), 1); // not on a point
        QTest::mouseClick(&diagram, Qt::LeftButton, {}, QPoint(849, 156));
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.last().at(1).value<qsizetype>(), qsizetype(2));
    }

    // Dates from the Julian Days by hand (JD 2460000.5 = 2023-02-25 00:00 UTC): 2460000.498 is
    // 172.8 s before it, 2460005.502 172.8 s after 2023-03-02 00:00; O−C and errors in minutes
    // are the days times 1440.
    void csvBytes()
    {
        const timing::ElementsFit fit = flaggingFit();
        const QByteArray csv = ocCsv(ocData(threeTimings(), kRoundElements, &fit, QLocale::c()));
        QCOMPARE(csv, QByteArray(
            "date,minimum,scale,cycle,oc_days,oc_minutes,error_days,error_minutes,method,source,flag\n"
            "2023-02-24T23:57:07Z,2460000.4980000,JD_UTC,0,-0.0020000,-2.88,0.0005000,0.72,template,\"a, \"\"b\"\".txt\",kept\n"
            "2023-02-27T12:01:26Z,2460003.0010000,JD_UTC,1,0.0010000,1.44,0.0005000,0.72,kvw,Tom & Jerry <1>.csv,flagged\n"
            "2023-03-02T00:02:53Z,2460005.5020000,JD_UTC,2,0.0020000,2.88,0.2000000,288.00,kvw,c.txt,rejected\n"));
    }

    // The sources go into the SVG's description: "&" and "<" must come out as XML.
    void svgIsXml()
    {
        OcDiagram diagram;
        diagram.setData(ocData(threeTimings(), kRoundElements, nullptr, QLocale::c()));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(diagram.writeSvg(buffer, QSize(800, 500), OcDiagram::Scheme::Light));
        QXmlStreamReader xml(buffer.data());
        QString description;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("desc"))
                description = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(description.contains(QStringLiteral("Tom & Jerry <1>.csv")), qPrintable(description));
    }

    // Axes that make sense for one timing, for timings over a week and over fifty years.
    void axes_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("spanDays");
        QTest::addColumn<QString>("firstDate");
        QTest::addColumn<QString>("lastDate");
        // A day each side of the timings: from 2023-02-23 23:55 UTC to 2023-02-25 23:55 UTC, ticks
        // at midnight; over 9.5 days every second day (even Julian Day Numbers).
        QTest::newRow("one") << 1 << 0.0 << "24 Feb 2023" << "25 Feb";
        QTest::newRow("a week") << 3 << 7.5 << "24 Feb 2023" << "4 Mar";
        QTest::newRow("fifty years") << 10000 << 50 * 365.25 << "2030" << "2070";
    }
    void axes()
    {
        QFETCH(int, count);
        QFETCH(double, spanDays);
        QFETCH(QString, firstDate);
        QFETCH(QString, lastDate);
        std::vector<timing::TimingRecord> records(count);
        for (int i = 0; i < count; ++i) {
            records[i].cycle = std::llround(i * spanDays / 2.5 / std::max(1, count - 1));
            records[i].minimum = 2460000.5 + 2.5 * double(records[i].cycle) + 0.001 * (i % 7 - 3);
            records[i].scale = sky::DateScale::JulianDayUtc;
            records[i].errorDays = 0.001;
        }
        const OcData data = ocData(records, kRoundElements, nullptr, QLocale::c());
        QVERIFY(data.dateTicks.size() >= 2 && data.dateTicks.size() <= 9);
        QCOMPARE(data.dateTicks.front().label, firstDate);
        QCOMPARE(data.dateTicks.back().label, lastDate);
        QVERIFY(data.cycleTicks.size() >= 1 && data.cycleTicks.size() <= 9);
        QVERIFY(data.minuteTicks.size() >= 3 && data.minuteTicks.size() <= 9);
        for (const OcPoint &point : data.points)
            QVERIFY(point.ocDays * 1440 > data.lowMinutes && point.ocDays * 1440 < data.highMinutes);
        QVERIFY(data.lowMinutes < 0 && data.highMinutes > 0);
    }

    // Both sheets on white, with their texts drawn.
    void sheets_data()
    {
        QTest::addColumn<bool>("lightCurve");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QStringList>("texts");
        // The light curve: a template timing of 21:25:57 UTC (JD 2461400.39302: 0.10698 d, 2 h 34 min
        // 3 s, before 26 December 00:00 UTC), 22:25:57 CET.
        QTest::newRow("light curve") << true << false << QStringList{
            "Algol (β Per): light curve of the night of Friday 25 December 2026",
            "Site: Paris, 48.85° N, 2.35° E, 35 m; observer: TVIS; instrument: 10×50 binoculars",
            "Minimum: 22:25:57 CET, 21:25:57 UT, HJD 2461400.39741 ± 0.00248 d (± 3.6 min)",
            "E 2048, O−C +0.00877 d (+12.6 min); method: fit of the eclipse template; N = 42",
            "20 δ Per"};
        QTest::newRow("light curve of nothing") << true << true
                                                << QStringList{"Algol (β Per): light curve", "Not timed", "No estimates"};
        QTest::newRow("observing sheet") << false << false << QStringList{
            "Algol (β Per): observing sheet for the night of Friday 25 December 2026",
            "Predicted minimum: 22:13 CET (21:13 UT)", "Site: Paris, 48.85° N, 2.35° E, 0 m; time zone Europe/Paris",
            "30", "δ Per", "Your estimates"};
    }
    void sheets()
    {
        QFETCH(bool, lightCurve);
        QFETCH(bool, empty);
        QFETCH(QStringList, texts);
        std::function<void(QPainter &, const QRectF &)> paint;
        if (lightCurve) {
            LightCurveNight night;
            night.placeName = QStringLiteral("Paris");
            night.site = {48.85, 2.35, 35};
            night.zone = QTimeZone("Europe/Paris");
            night.observer = QStringLiteral("TVIS");
            night.instrument = QStringLiteral("10×50 binoculars");
            night.elements = sky::currentElements();
            // A comparison star drawn on the sheet, named by its label and the tenths of 2.0.
            night.stars = {ComparisonStar{0, QStringLiteral("δ Per"), 2.01, 0}};
            timing::EclipseTiming timing;
            timing.cycle = 2048;
            timing.points = 42;
            timing.method = timing::Method::Template;
            timing.minimum = 2461400.39741;
            timing.minimumJdUtc = 2461400.39302;
            timing.errorDays = 0.00248;
            timing.ocDays = 0.00877;
            night.timing = timing;
            night.templateDepth = 1;
            for (int i = -12; i <= 12; ++i)
                night.estimates.append({timing.minimumJdUtc + i / 48.0, 3.3 - 0.001 * i * i, i == -12});
            if (empty) {
                night.timing.reset();
                night.estimates.clear();
            }
            const LightCurveSheet sheet = lightCurveSheet(night, QLocale::c());
            QCOMPARE(sheet.header.size(), empty ? 3 : 4);
            QCOMPARE(sheet.eclipse.isEmpty(), empty);
            paint = [sheet](QPainter &painter, const QRectF &area) { paintLightCurveSheet(painter, area, sheet); };
        } else {
            const ObservingSheet sheet = observingSheet(parisRequest(), christmasMinimum(), QStringLiteral("Paris"),
                                                        planner::comparisonStars(), false, QLocale::c());
            paint = [sheet](QPainter &painter, const QRectF &area) { paintObservingSheet(painter, area, sheet); };
        }
        QImage image(lightCurve ? QSize(1188, 840) : QSize(840, 1188), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        paint(painter, image.rect());
        painter.end();
        for (const QPoint corner : {QPoint(2, 2), QPoint(image.width() - 3, image.height() - 3),
                                    QPoint(image.width() / 2, 20)})
            QCOMPARE(image.pixel(corner), qRgb(255, 255, 255));
        const QString drawn = svgTextOf(image.size(), paint);
        for (QString text : texts)
            QVERIFY2(drawn.contains(text.remove(QLatin1Char(' '))), qPrintable(text));
    }

    // Through the eclipse (5.0 hours each side, 0.073 of the period) every 10 minutes of the
    // clock: about 21:13:39 UTC, 17:20 to 03:10 CET; about the half hour 22:00 CET, 17:00 to
    // 03:00, the faintest at the rounded time.
    void observingRows_data()
    {
        QTest::addColumn<bool>("rounding");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("faintest");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("minimumLine");
        QTest::newRow("exact") << false << "17:20" << "22:10" << "03:10" << "Predicted minimum: 22:13 CET (21:13 UT)";
        QTest::newRow("rounded") << true << "17:00" << "22:00" << "03:00"
                                 << "Predicted minimum: about 22:00 CET (times rounded to the half hour)";
    }
    void observingRows()
    {
        QFETCH(bool, rounding);
        QFETCH(QString, first);
        QFETCH(QString, faintest);
        QFETCH(QString, last);
        QFETCH(QString, minimumLine);
        const ObservingSheet sheet = observingSheet(parisRequest(), christmasMinimum(), QStringLiteral("Paris"), {},
                                                    rounding, QLocale::c());
        QCOMPARE(sheet.predictions.size(), 61 - (rounding ? 0 : 1));
        QCOMPARE(sheet.predictions.front().time, first);
        QCOMPARE(sheet.predictions.back().time, last);
        const auto deepest = std::max_element(sheet.predictions.begin(), sheet.predictions.end(),
            [](const PredictionRow &a, const PredictionRow &b) { return a.magnitude < b.magnitude; });
        QCOMPARE(deepest->time, faintest);
        QVERIFY(sheet.header.contains(minimumLine));
        // 17:20 CET is in civil twilight (the Sun set at 16:55 CET on 19 December, tst_planner's
        // twilight edges), too bright for the default -12°.
        QCOMPARE(sheet.predictions.front().watchable, false);
        QCOMPARE(aavsoLabel(3.01), QStringLiteral("30"));
        QCOMPARE(aavsoLabel(2.89), QStringLiteral("29"));
    }

    // 0.00248 d has its two significant digits at the fourth decimal, 0.00013 d at the fifth;
    // O−C in minutes: 0.00877 * 1440 = 12.63, -0.0004 * 1440 = -0.58.
    void reportLine_data()
    {
        QTest::addColumn<QString>("elements");
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("star");
        QTest::newRow("visual, template, current elements") << "current" << "10×50 binoculars"
            << "Algol (β Per) Min I HJD 2461400.3974 ± 0.0025, E 2048, O−C +0.0088 d (+12.6 min) against HJD "
               "2455528.105 + 2.867326 E (O−C gateway), template, Vis., N 42, observer TVIS, 10×50 binoculars" << "Algol";
        QTest::newRow("camera, KvW, own elements, two observers") << "2455528.105:2.867326:hjd" << " "
            << "Algol (β Per) Min I HJD 2460967.42828 ± 0.00013, E -60, O−C -0.00040 d (-0.6 min) against HJD "
               "2455528.105 + 2.867326 E, KvW, V, N 120, observers ABC XYZ" << "Algol";
        // Another star under its proper name, or its designation, against its catalogue's elements
        // and their source.
        QTest::newRow("beta Lyr, its proper name") << "current" << ""
            << "Sheliak (β Lyr) Min I HJD 2461400.3974 ± 0.0025, E 2048, O−C +0.0088 d (+12.6 min) against HJD "
               "2455435.1 + 12.93763 E (O−C gateway), template, Vis., N 42, observer TVIS" << "bet Lyr";
        QTest::newRow("RZ Cas, GCVS's elements") << "current" << ""
            << "RZ Cas Min I HJD 2461400.3974 ± 0.0025, E 2048, O−C +0.0088 d (+12.6 min) against HJD "
               "2456529.766 + 1.1952503 E (Samus et al. 2017), template, Vis., N 42, observer TVIS" << "RZ Cas";
    }
    void reportLine()
    {
        QFETCH(QString, elements);
        QFETCH(QString, instrument);
        QFETCH(QString, line);
        QFETCH(QString, star);
        timing::TimingRecord record;
        record.star = sky::findStar(star.toStdString());
        const bool visual = elements == QLatin1String("current");
        record.cycle = visual ? 2048 : -60;
        record.minimum = visual ? 2461400.39741 : 2460967.42828;
        record.errorDays = visual ? 0.00248 : 0.00013;
        record.method = visual ? "template" : "kvw";
        record.points = visual ? 42 : 120;
        record.ocDays = visual ? 0.00877 : -0.0004;
        record.elements = elements.toStdString();
        record.observers = visual ? "TVIS" : "ABC  XYZ";
        record.band = visual ? "Vis." : "V";
        QCOMPARE(listing::minimumReportLine(record, instrument), line);
    }

    // Last, since the translators stay installed: a French user reads French.
    void french()
    {
        const QLocale french(QLocale::French, QLocale::France);
        listing::installTranslations(french, QStringLiteral("algol-planner"));
        const ObservingSheet sheet = observingSheet(parisRequest(), christmasMinimum(), QStringLiteral("Paris"), {},
                                                    false, french);
        QCOMPARE(sheet.title, QStringLiteral("Algol (β Per) : fiche d'observation de la nuit du vendredi 25 décembre 2026"));
        QVERIFY2(sheet.header.contains(QStringLiteral("Minimum prévu : 22:13 CET (21:13 TU)")), qPrintable(sheet.header.join('|')));
        QCOMPARE(ocData(threeTimings(), kRoundElements, nullptr, french).title,
                 QStringLiteral("Algol : O−C des instants de minimum (instants : 3)"));
    }
};

QTEST_MAIN(TestOcDiagram)
#include "tst_ocdiagram.moc"
