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
#include "observinglogpanel.h"
#include "options.h"
#include "plannersettings.h"
#include "plannerwindow.h"
#include "wording.h"
#include "savefile.h"
#include "minimumreport.h"
#include "tonightview.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QComboBox>
#include <QCompleter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace planner;

namespace {

const QDateTime kEvening(QDate(2026, 12, 8), QTime(17, 0), Qt::UTC); // 18:00 in Paris
const QTimeZone kParis("Europe/Paris");
// A settings file of one stray comma.
constexpr char kDamaged[] = "{\"site\": {\"name\": \"Lyon\", \"latitude\": 45.76,}, \"days\": 90}\n";

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

// As a user types: the field's text replaced by keys, then Enter.
void type(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// The access keys of texts ("&File" gives F): none may be missing or used twice.
void checkAccessKeys(const QStringList &texts, const char *where)
{
    QSet<QString> keys;
    for (const QString &text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        QVERIFY2(!key.isEmpty(), qPrintable(QStringLiteral("%1: no key in “%2”").arg(where, text)));
        QVERIFY2(!keys.contains(key), qPrintable(QStringLiteral("%1: %2 twice, “%3”").arg(where, key, text)));
        keys.insert(key);
    }
}

// In every menu and submenu, and among the window's labels, buttons and menu titles that are shown
// together: a hidden widget's key does nothing (Qt fires no shortcut of a hidden widget), so the
// settings and the observing log, one tab at a time, may use the same keys.
void checkMenuKeys(QMenu *menu)
{
    QStringList items;
    for (QAction *item : menu->actions()) {
        if (item->isSeparator())
            continue;
        items << item->text();
        if (item->menu())
            checkMenuKeys(item->menu());
    }
    checkAccessKeys(items, qPrintable(menu->title()));
}

void checkAccessKeys(QMainWindow *window)
{
    QStringList windowTexts;
    for (QAction *menu : window->menuBar()->actions()) {
        windowTexts << menu->text();
        checkMenuKeys(menu->menu());
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->buddy() || !label->isVisibleTo(window))
            continue;
        windowTexts << label->text();
        QVERIFY2(label->buddy()->focusPolicy() != Qt::NoFocus, qPrintable(label->text())); // or the key does nothing
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty() && button->isVisibleTo(window))
            windowTexts << button->text();
    QVERIFY(windowTexts.size() >= 15);
    checkAccessKeys(windowTexts, "window");
}

// The same in each tab of the side: the settings, then the observing log.
void checkSideAccessKeys(QMainWindow *window)
{
    QTabWidget *side = nullptr;
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>())
        if (tabs->isAncestorOf(window->findChild<ObservingLogPanel *>()))
            side = tabs;
    QVERIFY(side);
    QCOMPARE(side->count(), 2);
    for (int tab = 0; tab < side->count(); ++tab) {
        side->setCurrentIndex(tab);
        checkAccessKeys(window);
    }
    side->setCurrentIndex(0);
}

// The Julian Day of noon in Paris, from the Unix epoch (JD 2440587.5).
double noonJd(QDate day)
{
    return 2440587.5 + double(QDateTime(day, QTime(12, 0), kParis).toMSecsSinceEpoch()) / 86400000.0;
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
        // The minima of the 30 nights from that of 8 December 2026 (from noon in Paris; the first
        // one, cycle 2042 at 17:15, is left out here); times in CET, each under the night of its
        // evening (before noon: the date before). Watchable: minutes of the 6 hours around the
        // minimum with Algol at 20 degrees or more and the Sun at -12 or less, every minute.
        QTest::newRow("2043") << ListRow{"night of Fri 11/12 Dec", "14:07 CET", 10.95, 37.30, 15.71, 14.53, 5.6, 0};
        QTest::newRow("2044") << ListRow{"night of Sun 13/14 Dec", "10:57 CET", 0.14, 5.43, 13.99, -10.90, 23.8, 0};
        QTest::newRow("2045") << ListRow{"night of Wed 16/17 Dec", "07:46 CET", 5.85, 332.40, -8.24, -39.31, 50.6, 43};
        QTest::newRow("2046") << ListRow{"night of Sat 19/20 Dec", "04:35 CET", 25.50, 304.07, -39.03, -3.10, 79.3, 222};
        QTest::newRow("2047") << ListRow{"night of Tue 22/23 Dec", "01:24 CET", 52.78, 278.27, -63.66, 60.38, 98.2, 360};
        QTest::newRow("2048") << ListRow{"night of Fri 25/26 Dec", "22:13 CET", 80.52, 217.65, -50.02, 30.17, 95.0, 360};
        QTest::newRow("2049") << ListRow{"night of Mon 28/29 Dec", "19:02 CET", 62.85, 92.51, -18.98, -31.24, 71.5, 225};
        QTest::newRow("2050") << ListRow{"night of Thu 31 Dec/1 Jan", "15:52 CET", 34.26, 64.64, 7.81, -34.70, 41.6, 31};
        QTest::newRow("2051") << ListRow{"night of Sun 3/4 Jan", "12:41 CET", 11.33, 37.92, 18.27, 4.11, 16.4, 0};
        QTest::newRow("2052") << ListRow{"night of Tue 5/6 Jan", "09:30 CET", 0.20, 6.17, 5.20, 6.99, 2.1, 0};
    }
    void listRows()
    {
        QFETCH(ListRow, row);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(list->model()->rowCount(), 11);
        const int i = QByteArray(QTest::currentDataTag()).toInt() - 2042; // the tag is the cycle
        QCOMPARE(cell(list, i, MinimaModel::Night), row.date);
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
        // The chart of the row is that of its night, and its watchable strip, within the 6 hours
        // around the minimum, as long as the reference's minutes (linear between samples 4
        // minutes apart: within 0.1 h).
        list->setCurrentIndex(list->model()->index(i, 0));
        const ChartData &chart = window->findChild<NightChart *>()->data();
        QCOMPARE(chart.evening.day(), row.date.section(QLatin1Char(' '), 3, 3).section(QLatin1Char('/'), 0, 0).toInt());
        double strip = 0;
        for (const ChartSpan &span : chart.watchableSpans) {
            QVERIFY(span.fromJdUtc >= chart.watchFromJdUtc && span.toJdUtc <= chart.watchToJdUtc);
            strip += (span.toJdUtc - span.fromJdUtc) * 24;
        }
        QVERIFY2(std::fabs(strip - row.watchableMinutes / 60) <= 0.1, qPrintable(QString::number(strip)));
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
        QCOMPARE(chart->data().title, QStringLiteral("Night of Saturday 19/20 December 2026, Paris"));
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
        QCOMPARE(chart->data().title, QStringLiteral("Night of Tuesday 22/23 December 2026, Paris"));
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(chart->data().title, QStringLiteral("Night of Monday 28/29 December 2026, Paris"));

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
            type(control<QLineEdit>(window.get(), QStringLiteral("Latitude in degrees, north positive")),
                 QStringLiteral("45.76"));
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
        type(control<QLineEdit>(window.get(), QStringLiteral("Height in metres")), QStringLiteral("35"));
        QVERIFY2(window->statusBar()->currentMessage().startsWith(QStringLiteral("The settings could not be saved")),
                 qPrintable(window->statusBar()->currentMessage()));
        QCOMPARE(window->request().site->heightM, 35.0);
    }

    void wrongInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("inUse");
        QTest::newRow("latitude 91") << "Latitude in degrees, north positive" << "91" << "The latitude is a number of degrees from -90 to 90, not “91”."
            << "Latitude in use: 48.85° N, the last one that was right.";
        QTest::newRow("letters in the longitude") << "Longitude in degrees, east positive" << "2,3x" << "not “2,3x”"
            << "Longitude in use: 2.35° E, the last one that was right.";
        QTest::newRow("unknown zone") << "Time zone" << "Mars/Olympus_Mons" << "Unknown time zone “Mars/Olympus_Mons”"
            << "Time zone in use: Europe/Paris, the last one that was right.";
        QTest::newRow("a path for a zone") << "Time zone" << "../../etc/passwd" << "Unknown time zone" << "Time zone in use: Europe/Paris";
        QTest::newRow("a rule for a zone") << "Time zone" << "CET-1CEST" << "Unknown time zone" << "Time zone in use: Europe/Paris";
        QTest::newRow("infinite height") << "Height in metres" << "inf" << "The height is a number of metres" << "Height in use: 0 m";
        QTest::newRow("empty altitude") << "Lowest altitude of Algol in degrees" << "" << "The altitude is a number of degrees"
            << "Lowest altitude of Algol in use: 20°, the last one that was right.";
    }
    void wrongInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, says);
        QFETCH(QString, inUse);
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, path);
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray saved = before.readAll();
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        const QString first = cell(list, 0, MinimaModel::Time);
        auto *edit = control<QLineEdit>(window.get(), field);
        type(edit, text);
        QVERIFY(edit->property("invalid").toBool());
        QVERIFY2(edit->toolTip().contains(says), qPrintable(edit->toolTip()));
        // The last good list stays, and so do the saved settings.
        QCOMPARE(list->model()->rowCount(), 11);
        QCOMPARE(cell(list, 0, MinimaModel::Time), first);
        const QString summary = control<QLabel>(window.get(), QStringLiteral("Summary of the list"))->text();
        QVERIFY2(summary.contains(inUse) && summary.contains(QStringLiteral("from Paris")), qPrintable(summary));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), saved);
        // The other fields are still used, the wrong one's last good value with them.
        type(control<QLineEdit>(window.get(), QStringLiteral("Highest altitude of the Sun in degrees")), QStringLiteral("-10"));
        QCOMPARE(window->request().conditions.maxSunAltitudeDeg, -10.0);
        QCOMPARE(window->request().site->latitudeDeg, 48.85);
        QVERIFY(control<QLabel>(window.get(), QStringLiteral("Summary of the list"))->text().contains(inUse));
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
        type(file, dir.filePath(QStringLiteral("elements.txt")));
        QVERIFY(!file->property("invalid").toBool());

        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(cell(list, 1, MinimaModel::Uncertainty), QStringLiteral("±0.4 min, scatter ±0.7 min"));
        QCOMPARE(cell(list, 4, MinimaModel::Uncertainty), QStringLiteral("±0.3 min, scatter ±0.7 min"));
        QCOMPARE(cell(list, 9, MinimaModel::Uncertainty), QStringLiteral("±0.9 min, scatter ±0.7 min"));
        QCOMPARE(window->settings().elements.source, ElementsSource::File);
        QCOMPARE(readSettings(dir.filePath(QStringLiteral("settings.json"))).elements.file, file->text());

        type(file, dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(file->property("invalid").toBool());
        QVERIFY2(file->toolTip().contains(QStringLiteral("epoch: not a number")), qPrintable(file->toolTip()));
        QCOMPARE(cell(list, 1, MinimaModel::Uncertainty), QStringLiteral("±0.4 min, scatter ±0.7 min"));
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
        const QRectF plot = chart->plotArea(image.rect());
        // The curve's lowest point at the minimum, 03:35:19 UTC, at magnitude 3.35 (the depth the
        // eclipse model is made to reach, from the observed light curve).
        const double minimum = 2461394.6495277197;
        QRgb pixel = image.pixel(int(chart->xOf(minimum, plot)), int(NightChart::yOfMagnitude(3.35, plot)));
        QVERIFY2(near(pixel, ChartPalette::screen().magnitude, 40), qPrintable(QColor(pixel).name()));

        // The twilight edges (the Sun at -0.833, -6, -12, -18 degrees): the band's colour on each
        // side, a few pixels from any hour line.
        const double edges[] = {2461394.163332639, 2461394.1892289585, 2461394.2173287845,
                                2461394.244079375, 2461394.739163125, 2461394.7659181943,
                                2461394.7940241667, 2461394.819928044};
        const QColor states[] = {ChartPalette::screen().day, ChartPalette::screen().civil, ChartPalette::screen().nautical,
                                 ChartPalette::screen().astronomical, ChartPalette::screen().night,
                                 ChartPalette::screen().astronomical, ChartPalette::screen().nautical,
                                 ChartPalette::screen().civil, ChartPalette::screen().day};
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
            lit += qRed(on) > ChartPalette::screen().night.red() + 40 ? 1 : 0;
            QVERIFY(near(image.pixel(x, int(line) - 6), ChartPalette::screen().night, 6));
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
        QTest::addColumn<int>("minima"); // ListedMinima
        QTest::addColumn<bool>("all");   // --all
        const int shown = int(PlannerWindow::ListedMinima::AsShown);
        QTest::newRow("CSV, every minimum") << int(listing::OutputFormat::Csv) << false << "csv" << shown << true;
        QTest::newRow("JSON, the watchable ones") << int(listing::OutputFormat::Json) << true << "json" << shown << false;
        QTest::newRow("iCalendar, the watchable ones") << int(listing::OutputFormat::Ics) << true << "ics" << shown << false;
        QTest::newRow("iCalendar of every minimum, the watchable ones asked for") << int(listing::OutputFormat::Ics)
            << false << "ics" << int(PlannerWindow::ListedMinima::Watchable) << false;
        QTest::newRow("iCalendar of the watchable ones, all asked for") << int(listing::OutputFormat::Ics)
            << true << "ics" << int(PlannerWindow::ListedMinima::All) << true;
    }
    void exports()
    {
        QFETCH(int, format);
        QFETCH(bool, onlyWatchable);
        QFETCH(QString, option);
        QFETCH(int, minima);
        QFETCH(bool, all);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        if (onlyWatchable)
            control<QCheckBox>(window.get(), QStringLiteral("Only watchable minima"))->click();
        const QString path = dir.filePath(QStringLiteral("list.") + option);
        QVERIFY(window->exportList(listing::OutputFormat(format), path, PlannerWindow::ListedMinima(minima)));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Written: %1 (minima: %2)").arg(path).arg(all ? 11 : 4));
        QCOMPARE(readSettings(dir.filePath(QStringLiteral("settings.json"))).folder, dir.path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));

        QStringList arguments = {"algol-minima", "--lat", "48.85", "--lon", "2.35", "--tz", "Europe/Paris",
                                 "--from", "2026-12-08T11:00Z", "--days", "30", "--format", option};
        if (all)
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
        QVERIFY(text.contains("<title>Night of Saturday 19/20 December 2026, Paris</title>"));

        // A place name that XML would take for markup; the file must still parse (python3's own
        // parser), and no Moon line (#c8ccd8) may go below the horizon (y 754 at 1600 x 800).
        type(control<QLineEdit>(window.get(), QStringLiteral("Place name")), QStringLiteral("Fish & Chips <Bay>"));
        QVERIFY(window->saveChart(PlannerWindow::ChartFormat::Svg, svg));
        QProcess python;
        python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sys, xml.dom.minidom
svg = xml.dom.minidom.parse(sys.argv[1])
print(svg.getElementsByTagName('title')[0].firstChild.data)
for group in svg.getElementsByTagName('g'):
    if group.getAttribute('stroke') == '#c8ccd8':
        for line in group.getElementsByTagName('polyline'):
            for point in line.getAttribute('points').split():
                y = float(point.split(',')[1])
                assert y <= 754 + 1e-6, point
)"), svg});
        QVERIFY(python.waitForFinished(30000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        QCOMPARE(QString::fromUtf8(python.readAllStandardOutput()).trimmed(),
                 QStringLiteral("Night of Saturday 19/20 December 2026, Fish & Chips <Bay>"));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Written: ") + svg);
    }

    void accessibleNames()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        // In each tab of the side and of the views: the settings or the log, the chart or the O−C
        // diagram.
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                int controls = 0;
                for (QWidget *widget : window->findChildren<QWidget *>()) {
                    if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window.get()))
                        continue;
                    ++controls;
                    QVERIFY2(!widget->accessibleName().isEmpty(), widget->metaObject()->className());
                }
                QVERIFY(controls >= 15);
            }
        }
        QVERIFY(!window->findChild<NightChart *>()->accessibleName().isEmpty());
    }

    // A typed value is used when it is committed (Enter, leaving the field, a second's pause),
    // never key by key: "9" on the way to "91" is never a latitude of the list.
    void typedValueCommitted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<double>("latitude"); // in use afterwards
        QTest::newRow("91, a pause") << "91" << "pause" << 48.85;
        QTest::newRow("45.5, a pause") << "45.5" << "pause" << 45.5;
        QTest::newRow("45.5, Enter") << "45.5" << "enter" << 45.5;
        QTest::newRow("45.5, Tab to the next field") << "45.5" << "tab" << 45.5;
    }
    void typedValueCommitted()
    {
        QFETCH(QString, typed);
        QFETCH(QString, commit);
        QFETCH(double, latitude);
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        QApplication::setActiveWindow(window.get());
        auto *field = control<QLineEdit>(window.get(), QStringLiteral("Latitude in degrees, north positive"));
        field->setFocus();
        field->selectAll();
        for (const QChar key : typed) {
            QTest::keyClicks(field, QString(key));
            clock.advanceMilliseconds(PlannerWindow::kTypingPauseMs - 100);
            QCOMPARE(window->request().site->latitudeDeg, 48.85);
        }
        if (commit == QLatin1String("pause"))
            clock.advanceMilliseconds(100);
        else
            QTest::keyClick(field, commit == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(window->request().site->latitudeDeg, latitude);
        QCOMPARE(field->property("invalid").toBool(), latitude != typed.toDouble());
    }

    // The epoch, the period and the reference of the set in use, greyed unless they are the
    // user's own; the custom numbers come back as typed. References: the O-C gateway's linear
    // elements (HJD 2455528.105 + 2.867326 E), the Algol window's (JD 2441598.608 + 2.867315 E),
    // the elements file below.
    void elementsInUse_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("epoch");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("reference");
        QTest::newRow("current") << int(ElementsSource::Current) << "2455528.105" << "2.867326" << "heliocentric (HJD)";
        QTest::newRow("classic") << int(ElementsSource::Classic) << "2441598.608" << "2.867315" << "geocentric (JD)";
        QTest::newRow("fitted") << int(ElementsSource::File) << "2461394.654" << "2.867321" << "heliocentric (HJD)";
        QTest::newRow("custom") << int(ElementsSource::Custom) << "2450000.5" << "2.8673" << "geocentric (JD)";
    }
    void elementsInUse()
    {
        QFETCH(int, source);
        QFETCH(QString, epoch);
        QFETCH(QString, period);
        QFETCH(QString, reference);
        QTemporaryDir dir;
        const QString elements = dir.filePath(QStringLiteral("elements.txt"));
        QVERIFY(listing::saveWhole(elements, [](QIODevice &file) {
            return file.write("epoch = 2461394.654\nepoch_error = 0.0002\nperiod = 2.867321\nperiod_error = 0.0001\n"
                              "correlation = 0.5\nscale = HJD_UTC\ntimings = 12\nfirst = 2460000.5\n"
                              "last = 2461000.5\nrms_days = 0.0005\n") > 0;
        }));
        PlannerSettings settings = readSettings(parisSettings(dir));
        settings.elements.customEpoch = 2450000.5;
        settings.elements.customPeriod = 2.8673;
        settings.elements.customHeliocentric = false;
        settings.elements.file = elements;
        QVERIFY(writeSettings(dir.filePath(QStringLiteral("settings.json")), settings));
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, dir.filePath(QStringLiteral("settings.json")));
        auto *set = control<QComboBox>(window.get(), QStringLiteral("Elements"));
        auto *epochField = control<QLineEdit>(window.get(), QStringLiteral("Epoch of the elements"));
        auto *periodField = control<QLineEdit>(window.get(), QStringLiteral("Period of the elements in days"));
        auto *referenceBox = control<QComboBox>(window.get(), QStringLiteral("Time reference of the elements"));
        set->setCurrentIndex(int(ElementsSource::Custom));
        type(epochField, QStringLiteral("1e9")); // out of range, said in plain numbers
        QVERIFY2(epochField->toolTip().contains(QStringLiteral("from 2000000 to 2600000, not “1e9”")),
                 qPrintable(epochField->toolTip()));
        type(epochField, QStringLiteral("2450000.5"));
        set->setCurrentIndex(source);
        QCOMPARE(epochField->text(), epoch);
        QCOMPARE(periodField->text(), period);
        QCOMPARE(referenceBox->currentText(), reference);
        const bool custom = source == int(ElementsSource::Custom);
        QCOMPARE(epochField->isEnabled(), custom);
        QCOMPARE(referenceBox->isEnabled(), custom);
        QCOMPARE(listing::shortest(window->request().elements.elements.epoch), epoch);
        // Another star looked at, then Algol again: the same numbers, the typed ones too, and
        // kept for the next start.
        auto *star = control<QComboBox>(window.get(), QStringLiteral("Star"));
        star->setCurrentIndex(star->findText(QStringLiteral("λ Tau")));
        star->setCurrentIndex(star->findText(QStringLiteral("Algol (β Per)")));
        set->setCurrentIndex(source);
        QCOMPARE(epochField->text(), epoch);
        QCOMPARE(periodField->text(), period);
        star->setCurrentIndex(star->findText(QStringLiteral("λ Tau")));
        window.reset();
        auto again = open(clock, dir.filePath(QStringLiteral("settings.json")));
        star = control<QComboBox>(again.get(), QStringLiteral("Star"));
        star->setCurrentIndex(star->findText(QStringLiteral("Algol (β Per)")));
        set = control<QComboBox>(again.get(), QStringLiteral("Elements"));
        set->setCurrentIndex(source);
        QCOMPARE(control<QLineEdit>(again.get(), QStringLiteral("Epoch of the elements"))->text(), epoch);
    }

    // A night of the user's choice, by the keyboard: three nights back from that of 8 December,
    // the night of 5/6 December, whose minimum (two periods before 11 December 14:07, with the
    // light time of those days: 20:29 CET) the list starts with and the chart shows.
    void chosenNight()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *night = control<QDateEdit>(window.get(), QStringLiteral("First night of the list"));
        QCOMPARE(night->date(), QDate(2026, 12, 8));
        night->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(night, Qt::Key_Down);
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        QCOMPARE(cell(list, 0, MinimaModel::Night), QStringLiteral("night of Tue 8/9 Dec")); // not before the pause
        clock.advanceMilliseconds(PlannerWindow::kTypingPauseMs);
        QCOMPARE(night->date(), QDate(2026, 12, 5));
        QCOMPARE(cell(list, 0, MinimaModel::Night), QStringLiteral("night of Sat 5/6 Dec"));
        QVERIFY2(std::fabs(QTime::fromString(cell(list, 0, MinimaModel::Time).left(5), QStringLiteral("hh:mm"))
                               .secsTo(QTime(20, 29))) <= 60, qPrintable(cell(list, 0, MinimaModel::Time)));
        QCOMPARE(window->findChild<NightChart *>()->data().title, QStringLiteral("Night of Saturday 5/6 December 2026, Paris"));
        QCOMPARE(list->currentIndex().row(), 0);
        // A new start is tonight, and so is the button.
        auto again = open(clock, dir.filePath(QStringLiteral("settings.json")));
        QCOMPARE(control<QDateEdit>(again.get(), QStringLiteral("First night of the list"))->date(), QDate(2026, 12, 8));
        control<QPushButton>(window.get(), QStringLiteral("List from tonight"))->click();
        QCOMPARE(night->date(), QDate(2026, 12, 8));
        QCOMPARE(cell(list, 0, MinimaModel::Night), QStringLiteral("night of Tue 8/9 Dec"));
    }

    // The chosen minimum stays chosen when the conditions or the elements change, or gives way
    // to the nearest one; the chart's read-out is cleared when the night changes.
    void selectionKept()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        auto *chart = window->findChild<NightChart *>();
        auto *readout = control<QLabel>(window.get(), QStringLiteral("Chart read-out"));
        const QString hint = readout->text();
        list->setCurrentIndex(list->model()->index(6, 0));
        QCOMPARE(cell(list, list->currentIndex().row(), MinimaModel::Time), QStringLiteral("22:13 CET"));
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Right);
        QVERIFY(readout->text() != hint);
        type(control<QLineEdit>(window.get(), QStringLiteral("Lowest altitude of Algol in degrees")), QStringLiteral("30"));
        QCOMPARE(cell(list, list->currentIndex().row(), MinimaModel::Time), QStringLiteral("22:13 CET"));
        control<QCheckBox>(window.get(), QStringLiteral("Only watchable minima"))->click();
        QCOMPARE(cell(list, list->currentIndex().row(), MinimaModel::Time), QStringLiteral("22:13 CET"));
        // The classic elements' minimum of that night comes 2 h 22 min earlier (algol-minima
        // --elements classic lists 19:51).
        control<QComboBox>(window.get(), QStringLiteral("Elements"))->setCurrentIndex(int(ElementsSource::Classic));
        QCOMPARE(cell(list, list->currentIndex().row(), MinimaModel::Night), QStringLiteral("night of Fri 25/26 Dec"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(readout->text(), hint);
    }

    // The chart's cursor by the keyboard: at the minimum when the chart takes the focus, 10
    // minutes a key, an hour with Shift, the night's ends with Home and End.
    void chartKeyboard()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *chart = window->findChild<NightChart *>();
        auto *readout = control<QLabel>(window.get(), QStringLiteral("Chart read-out"));
        QCOMPARE(chart->focusPolicy(), Qt::StrongFocus);
        QApplication::setActiveWindow(window.get());
        chart->setFocus();
        QVERIFY2(readout->text().startsWith(QStringLiteral("04:35: Algol ")) && readout->text().contains(QStringLiteral("magnitude 3.3")),
                 qPrintable(readout->text()));
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char *time;
        } keys[] = {{Qt::Key_Right, {}, "04:45"}, {Qt::Key_Right, Qt::ShiftModifier, "05:45"},
                    {Qt::Key_Left, {}, "05:35"}, {Qt::Key_Home, {}, "15:00"}, {Qt::Key_End, {}, "09:00"}};
        for (const auto &key : keys) {
            QTest::keyClick(chart, key.key, key.modifiers);
            QVERIFY2(readout->text().startsWith(QLatin1String(key.time) + QLatin1Char(':')), qPrintable(readout->text()));
        }
    }

    // The printed night: a white page with the chart in light colours and the night's times.
    // The times are those of the twilight edges of chartPixels (astropy), in CET.
    void printedPage()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        QImage page(1754, 1240, QImage::Format_RGB32); // A4 across at 150 dpi
        page.fill(Qt::black);
        QPainter painter(&page);
        window->paintPrintedPage(painter, page.rect());
        painter.end();
        int dark = 0;
        for (int y = 0; y < page.height(); y += 4)
            for (int x = 0; x < page.width(); x += 4)
                dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(near(page.pixel(0, 0), Qt::white, 0) && near(page.pixel(1753, 1239), Qt::white, 0));
        QVERIFY2(dark * 16 * 50 < page.width() * page.height(), qPrintable(QString::number(dark))); // under 2 %
        const QList<NightEvent> events = window->findChild<NightChart *>()->data().events;
        const std::pair<double, QString> expected[] = {
            {2461394.163332639, "Sunset"}, {2461394.1892289585, "Civil twilight ends"},
            {2461394.2173287845, "Nautical twilight ends"}, {2461394.244079375, "Astronomical twilight ends: full night"},
            {2461394.6495277197, "Minimum of Algol"}, {2461394.739163125, "Astronomical twilight begins"},
            {2461394.7659181943, "Nautical twilight begins"}, {2461394.7940241667, "Civil twilight begins"},
            {2461394.819928044, "Sunrise"}};
        QCOMPARE(events.size(), qsizetype(std::size(expected)));
        for (qsizetype i = 0; i < events.size(); ++i) {
            QCOMPARE(events[i].what, expected[i].second);
            QVERIFY2(std::fabs(events[i].jdUtc - expected[i].first) * 86400 < 20, qPrintable(events[i].what));
        }
        QCOMPARE(events[4].time, QStringLiteral("04:35"));
    }

    // A settings file that does not read is kept aside, never lost: as .bad, or .bad.2 beside an
    // older .bad of other bytes, not again when the same bytes are kept; a pipe is not waited on.
    void damagedSettings_data()
    {
        QTest::addColumn<QByteArray>("olderBad");
        QTest::addColumn<QString>("keptAs");
        QTest::newRow("one stray comma") << QByteArray() << "settings.json.bad";
        QTest::newRow("beside an older .bad") << QByteArray("{ older") << "settings.json.bad.2";
        QTest::newRow("kept before") << QByteArray(kDamaged) << "settings.json.bad";
        QTest::newRow("a pipe") << QByteArray() << "";
    }
    void damagedSettings()
    {
        QFETCH(QByteArray, olderBad);
        QFETCH(QString, keptAs);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.json"));
        if (keptAs.isEmpty())
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(listing::saveWhole(path, [](QIODevice &file) { return file.write(kDamaged) > 0; }));
        if (!olderBad.isEmpty())
            QVERIFY(listing::saveWhole(path + QStringLiteral(".bad"), [&](QIODevice &file) { return file.write(olderBad) > 0; }));
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, path);
        const QString note = control<QLabel>(window.get(), QStringLiteral("Note"))->text();
        if (keptAs.isEmpty()) {
            QVERIFY2(note.contains(QStringLiteral("not a regular file")), qPrintable(note));
            QVERIFY(QFileInfo(path).isFile() == false && QFileInfo::exists(path)); // still the pipe
            return;
        }
        QVERIFY2(note.contains(QStringLiteral("it is kept as ") + dir.filePath(keptAs)), qPrintable(note));
        QFile kept(dir.filePath(keptAs));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray(kDamaged));
        if (!olderBad.isEmpty() && keptAs.endsWith(QLatin1String(".2"))) {
            QFile older(path + QStringLiteral(".bad"));
            QVERIFY(older.open(QIODevice::ReadOnly));
            QCOMPARE(older.readAll(), olderBad);
        }
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".bad.3")));
        QVERIFY(readSettings(path).hasSite); // the window's own settings, written over the damaged ones
    }

    // Another star chosen: the list is its own, from its catalogue elements (the first minimum after
    // noon of 8 December in Paris, JD 2461382.9583, by python3: E = ceil((from - epoch) / period),
    // epoch + E period in HJD, which the list gives in JD within the light time, 0.0058 day; the
    // secondary minima of these stars fall after it), the title and the chart name it, and the
    // settings keep it for the next start. Algol's title is the one it always had. The list's
    // uncertainty says whose elements they are where none is published: the O−C gateway's, valid
    // to July 2018.
    void chosenStar_data()
    {
        QTest::addColumn<QString>("star"); // as the chooser lists it
        QTest::addColumn<QString>("title");
        QTest::addColumn<double>("firstHjd");
        QTest::addColumn<QString>("uncertainty");
        QTest::newRow("λ Tau, HJD 2455178.081 + 3.9529478 E, E 1570")
            << "λ Tau" << "λ Tau — Algol planner" << 2461384.2090460 << "elements of 2018";
        QTest::newRow("β Lyr, HJD 2455435.1 + 12.93763 E, E 460")
            << "Sheliak (β Lyr)" << "Sheliak (β Lyr) — Algol planner" << 2461386.40980 << "elements of 2018";
        QTest::newRow("back to Algol, HJD 2455528.105 + 2.867326 E, E 2042")
            << "Algol (β Per)" << "Algol planner" << 2461383.1846920 << "±15 min";
    }
    void chosenStar()
    {
        QFETCH(QString, star);
        QFETCH(QString, title);
        QFETCH(double, firstHjd);
        QFETCH(QString, uncertainty);
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        toolkit::ManualClock clock(kEvening.toLocalTime());
        {
            auto window = open(clock, path);
            auto *chooser = control<QComboBox>(window.get(), QStringLiteral("Star"));
            QCOMPARE(chooser->currentText(), QStringLiteral("Algol (β Per)"));
            chooser->setCurrentIndex(chooser->findText(QStringLiteral("λ Tau")));
            chooser->setCurrentIndex(chooser->findText(star));
            QCOMPARE(window->windowTitle(), title);
            const sky::PredictedMinimum &first = window->plan().report.rows.front().minimum;
            QCOMPARE(listing::reportName(*first.star), star);
            QVERIFY2(std::fabs(first.jdUtc - firstHjd) < 0.006, qPrintable(QString::number(first.jdUtc, 'f', 5)));
            QCOMPARE(window->findChild<NightChart *>()->data().star, first.star);
            QCOMPARE(cell(control<QTableView>(window.get(), QStringLiteral("Minima")), 0, MinimaModel::Uncertainty),
                     uncertainty);
        }
        auto again = open(clock, path);
        QCOMPARE(control<QComboBox>(again.get(), QStringLiteral("Star"))->currentText(), star);
        QCOMPARE(listing::reportName(*again->request().elements.star), star);
        QCOMPARE(again->windowTitle(), title);
    }

    // The star of the settings file read forgivingly: by any of its names; Algol for a name the
    // catalogue does not know or a value that is no name, the file not taken for damaged.
    void starInSettings_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("AAVSO name") << QJsonValue(QStringLiteral("LAM TAU")) << "λ Tau";
        QTest::newRow("proper name") << QJsonValue(QStringLiteral("Sheliak")) << "Sheliak (β Lyr)";
        QTest::newRow("unknown star") << QJsonValue(QStringLiteral("XX Nowhere")) << "Algol (β Per)";
        QTest::newRow("a number") << QJsonValue(42) << "Algol (β Per)";
    }
    void starInSettings()
    {
        QFETCH(QJsonValue, value);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        root.insert(QStringLiteral("star"), value);
        const QByteArray bytes = QJsonDocument(root).toJson();
        QVERIFY(listing::saveWhole(path, [&](QIODevice &d) { return d.write(bytes) == bytes.size(); }));
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, path);
        QCOMPARE(control<QComboBox>(window.get(), QStringLiteral("Star"))->currentText(), shown);
        QCOMPARE(listing::reportName(*window->plan().report.rows.front().minimum.star), shown);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".bad")));
    }

    // An elements file of Algol's is not used for λ Tau: the note says so, and λ Tau's catalogue
    // elements (HJD 2455178.081 + 3.9529478 E) are used meanwhile, never Algol's.
    void elementsFileOfAnotherStar()
    {
        QTemporaryDir dir;
        const QString elements = dir.filePath(QStringLiteral("elements.txt"));
        QVERIFY(listing::saveWhole(elements, [](QIODevice &file) {
            return file.write("epoch = 2461394.654\nepoch_error = 0.0002\nperiod = 2.867321\nperiod_error = 0.0001\n"
                              "correlation = 0.5\nscale = HJD_UTC\ntimings = 12\n") > 0;
        }));
        PlannerSettings settings = readSettings(parisSettings(dir));
        settings.star = sky::findStar("LAM TAU");
        settings.elements.source = ElementsSource::File;
        settings.elements.file = elements;
        QVERIFY(writeSettings(dir.filePath(QStringLiteral("settings.json")), settings));
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, dir.filePath(QStringLiteral("settings.json")));
        QCOMPARE(window->request().elements.star, settings.star);
        QCOMPARE(window->request().elements.elements.epoch, 2455178.081);
        QCOMPARE(window->request().elements.elements.period, 3.9529478);
        QVERIFY(!window->plan().report.rows.isEmpty());
        const QString note = control<QLineEdit>(window.get(), QStringLiteral("Elements file"))->toolTip();
        QVERIFY2(note.contains(QStringLiteral("holds elements of β Per, not of λ Tau")), qPrintable(note));
    }

    // The tab of every star's minima of the selected night: in time order, of several stars,
    // within that night; Enter on another star's row chooses that star and charts that minimum.
    void tonightTab()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        auto *tonight = window->findChild<TonightView *>();
        const ChartData &chart = window->findChild<NightChart *>()->data();
        const QList<listing::ReportRow> &rows = tonight->model().report().rows;
        QVERIFY2(rows.size() >= 3, qPrintable(QString::number(rows.size())));
        QSet<const sky::Star *> stars;
        int other = -1;
        for (int i = 0; i < rows.size(); ++i) {
            const sky::PredictedMinimum &minimum = rows.at(i).minimum;
            stars.insert(minimum.star);
            QVERIFY(i == 0 || rows.at(i - 1).minimum.jdUtc <= minimum.jdUtc);
            QVERIFY(minimum.jdUtc >= noonJd(chart.evening) && minimum.jdUtc < noonJd(chart.evening.addDays(1)));
            if (other < 0 && minimum.star != &sky::algolStar())
                other = i;
        }
        QVERIFY(stars.size() >= 2);
        QVERIFY(other >= 0);
        const sky::PredictedMinimum chosen = rows.at(other).minimum;
        tonight->table()->setCurrentIndex(tonight->model().index(other, 0));
        QCOMPARE(window->request().elements.star, &sky::algolStar()); // moving chooses nothing
        QTest::keyClick(tonight->table(), Qt::Key_Return);
        QCOMPARE(control<QComboBox>(window.get(), QStringLiteral("Star"))->currentText(), listing::reportName(*chosen.star));
        QCOMPARE(window->request().elements.star, chosen.star);
        QCOMPARE(chart.star, chosen.star);
        QVERIFY(chart.watchFromJdUtc < chosen.jdUtc && chosen.jdUtc < chart.watchToJdUtc);
        auto *list = control<QTableView>(window.get(), QStringLiteral("Minima"));
        const auto *model = static_cast<const MinimaModel *>(list->model());
        QCOMPARE(window->plan().report.rows.at(model->planRow(list->currentIndex().row())).minimum.jdUtc, chosen.jdUtc);
    }

    // The first window fits a 1366 x 768 screen with a 32-pixel panel; its size and the list's
    // share are kept for the next start.
    void windowFitsTheScreen()
    {
        QTemporaryDir dir;
        const QString path = parisSettings(dir);
        toolkit::ManualClock clock(kEvening.toLocalTime());
        const QRect laptop(0, 32, 1366, 736);
        QList<int> heights;
        {
            PlannerWindow window({clock, kParis, path, QStringLiteral("/usr/share/zoneinfo"), laptop});
            window.show();
            QVERIFY(laptop.contains(window.geometry()));
            QVERIFY(window.minimumSizeHint().height() <= laptop.height());
            for (QWidget *shown : {static_cast<QWidget *>(window.findChild<NightChart *>()),
                                   static_cast<QWidget *>(window.statusBar()),
                                   static_cast<QWidget *>(control<QTableView>(&window, QStringLiteral("Minima")))})
                QVERIFY(QRect(QPoint(0, 0), window.size()).contains(QRect(shown->mapTo(&window, QPoint(0, 0)), shown->size())));
            window.resize(1000, 600);
            auto *splitter = window.findChild<QSplitter *>();
            splitter->setSizes({100, 300});
            heights = splitter->sizes();
            window.close();
        }
        PlannerWindow again({clock, kParis, path, QStringLiteral("/usr/share/zoneinfo"), laptop});
        again.show();
        QCOMPARE(again.size(), QSize(1000, 600));
        QCOMPARE(again.findChild<QSplitter *>()->sizes(), heights);
    }

    void accessKeys()
    {
        QTemporaryDir dir;
        toolkit::ManualClock clock(kEvening.toLocalTime());
        auto window = open(clock, parisSettings(dir));
        checkSideAccessKeys(window.get());
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
                 QStringLiteral("Observable sur 6 h"));
        QCOMPARE(cell(list, 4, MinimaModel::Watchable), QStringLiteral("3,7 h"));
        QCOMPARE(cell(list, 4, MinimaModel::Night), QStringLiteral("nuit du sam. 19 au 20 déc."));
        QCOMPARE(window->findChild<NightChart *>()->data().title,
                 QStringLiteral("Nuit du samedi 19 au 20 décembre 2026, Paris"));
        bool noted = false;
        for (QLabel *label : window->findChildren<QLabel *>())
            noted = noted || label->text().startsWith(QStringLiteral("Les éléments linéaires de la passerelle O−C"));
        QVERIFY(noted);
        checkSideAccessKeys(window.get());
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestPlanner)
#include "tst_planner.moc"
