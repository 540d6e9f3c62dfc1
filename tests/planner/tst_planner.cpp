// The planner's window as a user meets it, on the offscreen platform, at a fixed instant: the list's
// rows, the first-start site, the settings, wrong inputs, the chart's pixels, the exports and the
// accessible names.
//
// Unless a row says otherwise, the reference values come from astropy 5.2.1, computed offline
// (AltAz with pressure 0 at 48.85 N 2.35 E, 0 m; Algol at its SIMBAD place moved to the instant;
// the Sun and the Moon from get_body; the minima of the current elements turned into geocentric
// instants with light_travel_time(kind='heliocentric')).

#include "clock.h"
#include "comparisonstars.h"
#include "formats.h"
#include "listingtexts.h"
#include "minimamodel.h"
#include "nightchart.h"
#include "options.h"
#include "plannersettings.h"
#include "plannerwindow.h"
#include "savefile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace planner;

namespace {

const QDateTime kEvening(QDate(2026, 12, 8), QTime(17, 0), Qt::UTC); // 18:00 in Paris
const QTimeZone kParis("Europe/Paris");

struct ListRow
{
    QString date, time;
    double algol, azimuth, sun, moon, litPercent, watchableMinutes;
};

// Settings for Paris as algol-minima's tests give it (48.85, 2.35, 0 m), written before the start.
QString parisSettings(const QTemporaryDir &dir)
{
    PlannerSettings settings;
    settings.hasSite = true;
    settings.placeName = QStringLiteral("Paris");
    settings.site = {48.85, 2.35, 0};
    settings.zoneId = QStringLiteral("Europe/Paris");
    const QString path = dir.filePath(QStringLiteral("settings.json"));
    writeSettings(path, settings);
    return path;
}

template <class T> T *control(QWidget *window, const QString &accessibleName)
{
    for (T *child : window->findChildren<T *>())
        if (child->accessibleName() == accessibleName)
            return child;
    qFatal("no control named %s", qPrintable(accessibleName));
}

QString cell(QTableView *list, int row, int column)
{
    return list->model()->index(row, column).data().toString();
}

// "25°", "-3°", "79 %", "3.7 h" as a number.
double number(QString text)
{
    text.remove(QStringLiteral("°")).remove(QStringLiteral(" %")).remove(QStringLiteral(" h"));
    return text.toDouble();
}

bool near(QRgb pixel, const QColor &colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance
        && std::abs(qGreen(pixel) - colour.green()) <= tolerance
        && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

} // namespace

Q_DECLARE_METATYPE(ListRow)

class TestPlanner : public QObject
{
    Q_OBJECT

    std::unique_ptr<PlannerWindow> open(toolkit::Clock &clock, const QString &settingsPath,
                                        const QByteArray &zone = "Europe/Paris")
    {
        auto window = std::make_unique<PlannerWindow>(PlannerWorld{clock, QTimeZone(zone), settingsPath});
        window->resize(1280, 800);
        window->show();
        return window;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        qputenv("TZ", "UTC");
    }

    void listRows_data()
    {
        QTest::addColumn<ListRow>("row");
        // Ten minima from 8 December 2026 18:00 for 30 days; times in CET. Watchable: minutes of
        // the 6 hours around the minimum with Algol at 20 degrees or more and the Sun at -12 or
        // less, every minute.
        QTest::newRow("2043") << ListRow{"Fri 11 Dec 2026", "14:07 CET", 10.95, 37.30, 15.71, 14.53, 5.6, 0};
        QTest::newRow("2044") << ListRow{"Mon 14 Dec 2026", "10:57 CET", 0.14, 5.43, 13.99, -10.90, 23.8, 0};
        QTest::newRow("2045") << ListRow{"Thu 17 Dec 2026", "07:46 CET", 5.85, 332.40, -8.24, -39.31, 50.6, 43};
        QTest::newRow("2046") << ListRow{"Sun 20 Dec 2026", "04:35 CET", 25.50, 304.07, -39.03, -3.10, 79.3, 222};
        QTest::newRow("2047") << ListRow{"Wed 23 Dec 2026", "01:24 CET", 52.78, 278.27, -63.66, 60.38, 98.2, 360};
        QTest::newRow("2048") << ListRow{"Fri 25 Dec 2026", "22:13 CET", 80.52, 217.65, -50.02, 30.17, 95.0, 360};
        QTest::newRow("2049") << ListRow{"Mon 28 Dec 2026", "19:02 CET", 62.85, 92.51, -18.98, -31.24, 71.5, 225};
        QTest::newRow("2050") << ListRow{"Thu 31 Dec 2026", "15:52 CET", 34.26, 64.64, 7.81, -34.70, 41.6, 31};
        QTest::newRow("2051") << ListRow{"Sun 3 Jan 2027", "12:41 CET", 11.33, 37.92, 18.27, 4.11, 16.4, 0};
        QTest::newRow("2052") << ListRow{"Wed 6 Jan 2027", "09:30 CET", 0.20, 6.17, 5.20, 6.99, 2.1, 0};
    }
    void listRows()
    {
        QFETCH(ListRow, row);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(list->model()->rowCount(), 10);
        const int i = QByteArray(QTest::currentDataTag()).toInt() - 2043; // the tag is the cycle
        QCOMPARE(cell(list, i, MinimaModel::Date), row.date);
        QCOMPARE(cell(list, i, MinimaModel::Time), row.time);
        // Whole degrees and percents as shown: within half a unit of the reference, plus 0.05.
        const auto shownNear = [&](int column, double reference, double halfUnit) {
            const double shown = number(cell(list, i, column));
            return std::fabs(shown - reference) <= halfUnit + 0.05;
        };
        QVERIFY2(shownNear(MinimaModel::Algol, row.algol, 0.5), qPrintable(cell(list, i, MinimaModel::Algol)));
        QVERIFY2(shownNear(MinimaModel::Azimuth, row.azimuth, 0.5), qPrintable(cell(list, i, MinimaModel::Azimuth)));
        QVERIFY2(shownNear(MinimaModel::Sun, row.sun, 0.5), qPrintable(cell(list, i, MinimaModel::Sun)));
        QVERIFY2(shownNear(MinimaModel::Moon, row.moon, 0.5), qPrintable(cell(list, i, MinimaModel::Moon)));
        QVERIFY2(shownNear(MinimaModel::Lit, row.litPercent, 0.5), qPrintable(cell(list, i, MinimaModel::Lit)));
        QVERIFY2(shownNear(MinimaModel::Watchable, row.watchableMinutes / 60, 0.05),
                 qPrintable(cell(list, i, MinimaModel::Watchable)));
        QCOMPARE(cell(list, i, MinimaModel::Uncertainty), QStringLiteral("±15 min"));
        // Watchable minima stand out in bold.
        const bool observable = row.algol >= 20 && row.sun <= -12;
        QCOMPARE(list->model()->index(i, 0).data(Qt::FontRole).value<QFont>().bold(), observable);
    }

    // Only the watchable ones, half-hour rounding, keyboard navigation and the now line.
    void switchesAndKeys()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        auto *chart = window->findChild<NightChart *>();
        // The first watchable minimum is chosen at the start.
        QCOMPARE(chart->data().title, QStringLiteral("Night of Saturday 19 December 2026, Paris"));
        control<QCheckBox>(window.get(), QStringLiteral("Only watchable minima"))->click();
        QCOMPARE(list->model()->rowCount(), 4);
        QCOMPARE(cell(list, 3, MinimaModel::Time), QStringLiteral("19:02 CET"));
        control<QCheckBox>(window.get(), QStringLiteral("Round times to the half hour"))->click();
        QCOMPARE(cell(list, 0, MinimaModel::Time), QStringLiteral("≈ 04:30 CET"));
        QCOMPARE(cell(list, 2, MinimaModel::Time), QStringLiteral("≈ 22:00 CET"));
        QCOMPARE(cell(list, 3, MinimaModel::Time), QStringLiteral("≈ 19:00 CET"));
        for (const ChartTick &tick : chart->data().ticks)
            QVERIFY2(!tick.label.isEmpty(), "a minute mark on a rounded chart");
        QCOMPARE(chart->data().minimumLabel, QStringLiteral("minimum ≈ 04:30"));

        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex().row(), 1);
        QCOMPARE(chart->data().title, QStringLiteral("Night of Tuesday 22 December 2026, Paris"));
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(chart->data().title, QStringLiteral("Night of Monday 28 December 2026, Paris"));

        // The zone's names are offered as it is typed.
        auto *zone = control<QLineEdit>(window.get(), QStringLiteral("Time zone"));
        zone->selectAll();
        QTest::keyClicks(zone, QStringLiteral("Pari"));
        QVERIFY(zone->completer() && zone->completer()->currentCompletion() == QStringLiteral("Europe/Paris"));
        zone->setText(QStringLiteral("Europe/Paris"));

        // 18:00 on 8 December, 45 minutes after the minimum of 16:15 UTC: brightening; the next
        // one 2 days 20 hours 8 minutes later.
        auto *now = control<QLabel>(window.get(), QStringLiteral("Algol now"));
        control<QCheckBox>(window.get(), QStringLiteral("Round times to the half hour"))->click();
        QVERIFY2(now->text().startsWith(QStringLiteral("Algol is brightening: magnitude ")), qPrintable(now->text()));
        QVERIFY2(now->text().endsWith(QStringLiteral("; the next minimum is on Friday 11 December at 14:07 (in 2 d 20 h).")),
                 qPrintable(now->text()));
        // Halfway between two minima it is steady.
        clock.setNow(QDateTime(QDate(2026, 12, 10), QTime(3, 0), Qt::UTC).toLocalTime());
        clock.advanceMilliseconds(60 * 1000);
        QVERIFY2(now->text().startsWith(QStringLiteral("Algol shines steadily")), qPrintable(now->text()));
        // An hour before the minimum of 20 December at 03:35:19 UTC it is fading; a minute tick
        // later (the tick moves the clock on) the line follows it.
        clock.setNow(QDateTime(QDate(2026, 12, 20), QTime(2, 34, 19), Qt::UTC).toLocalTime());
        clock.advanceMilliseconds(60 * 1000);
        QVERIFY2(now->text().startsWith(QStringLiteral("Algol is fading")), qPrintable(now->text()));
        QVERIFY2(now->text().endsWith(QStringLiteral("on Sunday 20 December at 04:35 (in 1 h 0 min).")),
                 qPrintable(now->text()));
    }

    // tzdata's zone tables: "FR,MC +4852+00220 Europe/Paris" (zone1970.tab), "US +404251-0740023
    // America/New_York" (and tzdata.zi's "L America/New_York US/Eastern"), "AR -3436-05827
    // America/Argentina/Buenos_Aires", "JE +491101-0020624 Europe/Jersey" (zone.tab only).
    void firstStartSite_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("Paris") << QByteArray("Europe/Paris") << "Paris" << "48.8667" << "2.3333"
            << "Your site was taken from your time zone Europe/Paris: Paris, 48°52′ N 2°20′ E.";
        QTest::newRow("New York") << QByteArray("America/New_York") << "New York" << "40.7142" << "-74.0064"
            << "Your site was taken from your time zone America/New_York: New York, 40°43′ N 74°00′ W.";
        QTest::newRow("Buenos Aires") << QByteArray("America/Argentina/Buenos_Aires") << "Buenos Aires"
            << "-34.6" << "-58.45" << "Buenos Aires, 34°36′ S 58°27′ W.";
        QTest::newRow("Jersey, from zone.tab") << QByteArray("Europe/Jersey") << "Jersey" << "49.1836"
            << "-2.1067" << "Jersey, 49°11′ N 2°06′ W.";
        QTest::newRow("a link of the zone database, New York's") << QByteArray("US/Eastern") << "New York" << "40.7142"
            << "-74.0064" << "Your site was taken from your time zone US/Eastern: New York, 40°43′ N 74°00′ W.";
        QTest::newRow("UTC names no city") << QByteArray("UTC") << "Greenwich" << "51.4778" << "-0.0014"
            << "Your time zone UTC names no city: the site is Greenwich";
    }
    void firstStartSite()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, place);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, sentence);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, dir.filePath(QStringLiteral("none-yet.json")), zone);
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Place name"))->text(), place);
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Latitude in degrees, north positive"))->text(), latitude);
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Longitude in degrees, east positive"))->text(), longitude);
        QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Time zone"))->text(), QString::fromUtf8(zone));
        bool said = false;
        for (QLabel *label : window->findChildren<QLabel *>())
            said = said || label->text().contains(sentence);
        QVERIFY2(said, qPrintable(sentence));
        QVERIFY(window->plan().report.minimaInPeriod > 0);
    }

    // What the user types is kept, whole, and a damaged file starts afresh.
    void settingsWrittenWhole()
    {
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        toolkit::ManualClock clock(kEvening.toLocalTime());
        {
            auto window = open(clock, path);
            auto *latitude = control<QLineEdit>(window.get(), QStringLiteral("Latitude in degrees, north positive"));
            latitude->selectAll();
            QTest::keyClicks(latitude, QStringLiteral("45.76"));
            control<QComboBox>(window.get(), QStringLiteral("Period of the list"))->setCurrentIndex(2);
            control<QComboBox>(window.get(), QStringLiteral("Elements"))->setCurrentIndex(1);
        }
        const PlannerSettings saved = readSettings(path);
        QCOMPARE(saved.site.latitudeDeg, 45.76);
        QCOMPARE(saved.days, 365);
        QVERIFY(saved.elements.source == ElementsSource::Classic);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonParseError error;
        QJsonDocument::fromJson(file.readAll(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        {
            auto window = open(clock, path);
            QCOMPARE(control<QLineEdit>(window.get(), QStringLiteral("Latitude in degrees, north positive"))->text(),
                     QStringLiteral("45.76"));
            QCOMPARE(window->request().elements.kind, sky::ElementSetKind::Classic);
        }
        // A damaged file: every entry its default, the site from the zone.
        QVERIFY(listing::saveWhole(path, [](QIODevice &d) { return d.write("{\"site\": {\"latitude\": \"north\"}, \"days\": 7") > 0; }));
        QCOMPARE(readSettings(path).hasSite, false);
        QCOMPARE(readSettings(path).days, 30);
        // Settings that cannot be written: said in the status bar, the window goes on.
        auto window = open(clock, QStringLiteral("/proc/algol-planner-test/settings.json"));
        control<QLineEdit>(window.get(), QStringLiteral("Height in metres"))->setText(QStringLiteral("35"));
        QVERIFY2(window->statusBar()->currentMessage().startsWith(QStringLiteral("The settings could not be saved")),
                 qPrintable(window->statusBar()->currentMessage()));
        QCOMPARE(window->request().site->heightM, 35.0);
    }

    void wrongInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("latitude 91") << "Latitude in degrees, north positive" << "91" << "The latitude is a number of degrees from -90 to 90, not “91”.";
        QTest::newRow("letters in the longitude") << "Longitude in degrees, east positive" << "2,3x" << "not “2,3x”";
        QTest::newRow("unknown zone") << "Time zone" << "Mars/Olympus_Mons" << "Unknown time zone “Mars/Olympus_Mons”";
        QTest::newRow("a path for a zone") << "Time zone" << "../../etc/passwd" << "Unknown time zone";
        QTest::newRow("a rule for a zone") << "Time zone" << "CET-1CEST" << "Unknown time zone";
        QTest::newRow("infinite height") << "Height in metres" << "inf" << "The height is a number of metres";
        QTest::newRow("empty altitude") << "Lowest altitude of Algol in degrees" << "" << "The altitude is a number of degrees";
    }
    void wrongInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, path);
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray saved = before.readAll();
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        const QString first = cell(list, 0, MinimaModel::Time);
        // Pasted whole: typed letter by letter, "9" on the way to "91" is a good latitude.
        auto *edit = control<QLineEdit>(window.get(), field);
        edit->setText(text);
        QVERIFY(edit->property("invalid").toBool());
        QVERIFY2(edit->toolTip().contains(says), qPrintable(edit->toolTip()));
        // The last good list stays, and so do the saved settings.
        QCOMPARE(list->model()->rowCount(), 10);
        QCOMPARE(cell(list, 0, MinimaModel::Time), first);
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), saved);
    }

    // Elements of the user's own fit: each minimum's uncertainty propagated from the file's errors,
    // sigma(E)^2 = 0.0002^2 + 2 E (0.5 * 0.0002 * 0.0001) + E^2 0.0001^2 days^2, worked out by hand:
    // E = -3 (11 December): 7e-8, 0.38 min; E = 0 (20 December): 4e-8, 0.29 min; E = 5: 39e-8,
    // 0.90 min; the scatter 0.0005 d is 0.72 min. A file that is not one is refused at its field.
    void elementsFile()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        const auto writeFile = [&](const QString &name, const QByteArray &bytes) {
            const QString path = dir.filePath(name);
            QVERIFY(listing::saveWhole(path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }));
        };
        writeFile(QStringLiteral("elements.txt"),
                  "epoch = 2461394.654\nepoch_error = 0.0002\nperiod = 2.867326\nperiod_error = 0.0001\n"
                  "correlation = 0.5\nscale = HJD_UTC\ntimings = 12\nfirst = 2460000.5\n"
                  "last = 2461000.5\nrms_days = 0.0005\n");
        writeFile(QStringLiteral("notes.txt"), "epoch = soon\n");
        auto *set = control<QComboBox>(window.get(), QStringLiteral("Elements"));
        auto *file = control<QLineEdit>(window.get(), QStringLiteral("Elements file"));
        QVERIFY(!file->isEnabled());
        set->setCurrentIndex(int(ElementsSource::File));
        QVERIFY(file->isEnabled());
        file->setText(dir.filePath(QStringLiteral("elements.txt")));
        QVERIFY(!file->property("invalid").toBool());

        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(cell(list, 0, MinimaModel::Uncertainty), QStringLiteral("±0.4 min, scatter ±0.7 min"));
        QCOMPARE(cell(list, 3, MinimaModel::Uncertainty), QStringLiteral("±0.3 min, scatter ±0.7 min"));
        QCOMPARE(cell(list, 8, MinimaModel::Uncertainty), QStringLiteral("±0.9 min, scatter ±0.7 min"));
        QCOMPARE(window->settings().elements.source, ElementsSource::File);
        QCOMPARE(readSettings(dir.filePath(QStringLiteral("settings.json"))).elements.file, file->text());

        file->setText(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(file->property("invalid").toBool());
        QVERIFY2(file->toolTip().contains(QStringLiteral("epoch: not a number")), qPrintable(file->toolTip()));
        QCOMPARE(cell(list, 0, MinimaModel::Uncertainty), QStringLiteral("±0.4 min, scatter ±0.7 min"));
    }

    // The night of 19 to 20 December 2026 drawn at 1200 x 600.
    void chartPixels()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        const NightChart *chart = window->findChild<NightChart *>();
        QImage image(1200, 600, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            chart->paint(painter, image.rect());
        }
        const QRectF plot = NightChart::plotArea(image.rect());
        // The curve's lowest point at the minimum, 03:35:19 UTC, at magnitude 3.35 (the depth the
        // eclipse model is made to reach, from the observed light curve).
        const double minimum = 2461394.6495277197;
        QRgb pixel = image.pixel(int(chart->xOf(minimum, plot)), int(NightChart::yOfMagnitude(3.35, plot)));
        QVERIFY2(near(pixel, chartcolours::kMagnitude, 40), qPrintable(QColor(pixel).name()));

        // The twilight edges (the Sun at -0.833, -6, -12, -18 degrees): the band's colour on each
        // side, a few pixels from any hour line.
        const double edges[] = {2461394.163332639, 2461394.1892289585, 2461394.2173287845,
                                2461394.244079375, 2461394.739163125, 2461394.7659181943,
                                2461394.7940241667, 2461394.819928044};
        const QColor states[] = {chartcolours::kDay, chartcolours::kCivil, chartcolours::kNautical,
                                 chartcolours::kAstronomical, chartcolours::kNight,
                                 chartcolours::kAstronomical, chartcolours::kNautical,
                                 chartcolours::kCivil, chartcolours::kDay};
        const int y = int(plot.top()) + 5;
        const auto clearOfHourLines = [&](double x, int direction) {
            for (int step = 0; step < 6; ++step, x += direction) {
                bool clear = true;
                for (const ChartTick &tick : chart->data().ticks)
                    clear = clear && (tick.label.isEmpty() || std::fabs(chart->xOf(tick.jdUtc, plot) - x) > 2.5);
                if (clear)
                    return int(x);
            }
            return int(x);
        };
        for (int i = 0; i < 8; ++i) {
            const double x = chart->xOf(edges[i], plot);
            const QRgb before = image.pixel(clearOfHourLines(x - 3, -1), y);
            const QRgb after = image.pixel(clearOfHourLines(x + 3, +1), y);
            QVERIFY2(near(before, states[i], 6), qPrintable(QString("edge %1 before: %2").arg(i).arg(QColor(before).name())));
            QVERIFY2(near(after, states[i + 1], 6), qPrintable(QString("edge %1 after: %2").arg(i).arg(QColor(after).name())));
        }

        // delta Persei (HR 1122, V 3.01 in the catalogue) as a dotted line across the dark hours,
        // 20:10 to 20:50 CET, where no curve passes.
        const double line = NightChart::yOfMagnitude(3.01, plot);
        int lit = 0, total = 0;
        for (double jd = 2461394.29861; jd < 2461394.32639; jd += 1.0 / 1440, ++total) {
            const int x = int(chart->xOf(jd, plot));
            const QRgb on = std::max(image.pixel(x, int(line)), image.pixel(x, int(line) + 1));
            lit += qRed(on) > chartcolours::kNight.red() + 40 ? 1 : 0;
            QVERIFY(near(image.pixel(x, int(line) - 6), chartcolours::kNight, 6));
        }
        QVERIFY2(lit * 4 >= total, qPrintable(QString("%1 of %2").arg(lit).arg(total)));

        // The read-out under the pointer, at the minimum.
        QCOMPARE(chart->readoutAt(minimum).left(6), QStringLiteral("04:35:"));
    }

    // The stars near Algol from 1.8 to 3.9, one per tenth of magnitude, the nearest (angular
    // distances from Algol computed from the catalogue's places with the spherical law of cosines).
    void comparisonStars()
    {
        QStringList labels;
        for (const ComparisonStar &star : planner::comparisonStars())
            labels << star.label + QLatin1Char(' ') + QString::number(star.magnitude, 'f', 2);
        QCOMPARE(labels, QStringList({"α Per 1.79", "γ¹ And 2.26", "ε Per 2.89", "δ Per 3.01",
                                      "α Tri 3.41", "41 Ari 3.63", "17 Tau 3.70", "κ Per 3.80", "20 Tau 3.87"}));
    }

    // The list's files are algol-minima's, byte for byte, for the same site, zone and period.
    void exports_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("onlyWatchable");
        QTest::addColumn<QString>("option");
        QTest::newRow("CSV, every minimum") << int(listing::OutputFormat::Csv) << false << "csv";
        QTest::newRow("JSON, the watchable ones") << int(listing::OutputFormat::Json) << true << "json";
        QTest::newRow("iCalendar, the watchable ones") << int(listing::OutputFormat::Ics) << true << "ics";
    }
    void exports()
    {
        QFETCH(int, format);
        QFETCH(bool, onlyWatchable);
        QFETCH(QString, option);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        if (onlyWatchable)
            control<QCheckBox>(window.get(), QStringLiteral("Only watchable minima"))->click();
        const QString path = dir.filePath(QStringLiteral("list.") + option);
        QVERIFY(window->exportList(listing::OutputFormat(format), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));

        QStringList arguments = {"algol-minima", "--lat", "48.85", "--lon", "2.35", "--tz", "Europe/Paris",
                                 "--from", "2026-12-08T17:00Z", "--days", "30", "--format", option};
        if (!onlyWatchable)
            arguments << QStringLiteral("--all");
        const auto parsed = cli::parseCommandLine(arguments, {kEvening, kParis.id()});
        const auto &options = std::get<cli::MinimaOptions>(parsed);
        const QByteArray expected = listing::formattedReport(listing::makeReport(options, kEvening),
                                                             options.format, QLocale::c());
        QCOMPARE(file.readAll(), expected);
        QVERIFY(!window->exportList(listing::OutputFormat(format), dir.filePath(QStringLiteral("missing/list"))));
        QVERIFY(window->statusBar()->currentMessage().startsWith(QStringLiteral("Could not write")));
    }

    void chartFiles()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        const QString png = dir.filePath(QStringLiteral("night.png"));
        QVERIFY(window->saveChart(PlannerWindow::ChartFormat::Png, png));
        QCOMPARE(QImage(png).size(), QSize(1600, 800));
        const QString svg = dir.filePath(QStringLiteral("night.svg"));
        QVERIFY(window->saveChart(PlannerWindow::ChartFormat::Svg, svg));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("<svg") && text.contains("</svg>"));
        QVERIFY(text.contains("<title>Night of Saturday 19 December 2026, Paris</title>"));
    }

    void accessibleNames()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        int controls = 0;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window.get()))
                continue;
            ++controls;
            QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
        }
        QVERIFY(controls >= 15);
        QVERIFY(!window->findChild<NightChart *>()->accessibleName().isEmpty());
    }

    // Last, since the translators stay installed: a French user reads French.
    void french()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        listing::installTranslations(QLocale(), QStringLiteral("algol-planner"));
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        QCOMPARE(window->windowTitle(), QStringLiteral("Planificateur Algol"));
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(list->model()->headerData(MinimaModel::Watchable, Qt::Horizontal).toString(),
                 QStringLiteral("Observable"));
        QCOMPARE(cell(list, 3, MinimaModel::Watchable), QStringLiteral("3,7 h"));
        QCOMPARE(window->findChild<NightChart *>()->data().title,
                 QStringLiteral("Nuit du samedi 19 décembre 2026, Paris"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestPlanner)
#include "tst_planner.moc"
