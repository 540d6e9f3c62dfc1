// Start-up with the saved offset, the month list, "&Quitter" and the close button.

#include "algol.h"
#include "appidentity.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "image.h"
#include "informationwindows.h"
#include "label.h"
#include "picturebox.h"
#include "textfield.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using ephemeris::RegionalSettings;

namespace {

// 15/03/2007 14:00:00 local time is JD 2454175.0833333 before the offset is taken off. The clock
// stands three quarters of a second later: the fields and the instant take whole seconds.
const QDateTime kNow(QDate(2007, 3, 15), QTime(14, 0, 0, 750));
constexpr double kNowAsJulianDay = 2454174.5 + 14.0 / 24;

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class TestAlgolStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    toolkit::ManualClock m_clock{kNow};
    const RegionalSettings m_regional = RegionalSettings::french();

    QString settingsFile() const
    {
        return m_config.filePath(toolkit::AppIdentity::current().baseName + QStringLiteral(".ini"));
    }
    void store(const QByteArray &contents)
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }
    QString storedOffset() const
    {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        return settings.value(QStringLiteral("Donnée/TU")).toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        toolkit::registerBundledFonts();
    }
    void init()
    {
        QFile::remove(settingsFile());
    }

    void loadsSavedOffset_data();
    void loadsSavedOffset();
    void fillsEveryFieldBeforeShowing();
    void quitSavesTheOffset_data();
    void quitSavesTheOffset();
    void closeButtonSavesNothing();
    void savedOffsetSurvivesRestart();
    void monthList_data();
    void monthList();
    void monthListKeptForInvalidDateOrInstant();
    void lightCurvePanelClicks();
    void informationButtonOpensOneWindow();
};

void TestAlgolStartup::loadsSavedOffset_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no settings file at all
    QTest::addColumn<QString>("offset");
    QTest::addColumn<double>("hours");    // the offset taken off the local time
    QTest::newRow("first run") << QByteArray() << "1" << 1.0;
    QTest::newRow("-3") << QByteArray("[Donn%U00E9e]\nTU=-3\n") << "-3" << -3.0;
    QTest::newRow("5.5") << QByteArray("[Donn%U00E9e]\nTU=5.5\n") << "5.5" << 5.5;
    QTest::newRow("letters") << QByteArray("[Donn%U00E9e]\nTU=abc\n") << "0" << 0.0;
    QTest::newRow("3 then letters") << QByteArray("[Donn%U00E9e]\nTU=3abc\n") << "3" << 3.0;
    QTest::newRow("+2") << QByteArray("[Donn%U00E9e]\nTU=+2\n") << "2" << 2.0;
    QTest::newRow("comma") << QByteArray("[Donn%U00E9e]\nTU=\"2,5\"\n") << "2" << 2.0;
    QTest::newRow("beyond the double range") << QByteArray("[Donn%U00E9e]\nTU=1e999\n") << "1" << 1.0;
    QTest::newRow("garbage file") << QByteArray("\x00\xff\xfe[[[=\n\x01TU", 12) << "1" << 1.0;
    QTest::newRow("other section only") << QByteArray("[Autre]\nTU=7\n") << "1" << 1.0;
}

void TestAlgolStartup::loadsSavedOffset()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, offset);
    QFETCH(double, hours);
    if (!file.isEmpty())
        store(file);
    Algol window(m_clock, m_regional);
    window.Form_Load();
    QCOMPARE(window.Text6->text(), offset);
    const double instant = window.Text2->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    QVERIFY2(qAbs(instant - (kNowAsJulianDay - hours / 24)) < 1e-8, qPrintable(window.Text2->text()));
}

void TestAlgolStartup::fillsEveryFieldBeforeShowing()
{
    Algol window(m_clock, m_regional);
    window.Form_Load();
    QVERIFY(window.isVisible());
    QCOMPARE(window.Text1->text(), QStringLiteral("15/03/2007"));
    QCOMPARE(window.Text3->text(), QStringLiteral("14"));
    QCOMPARE(window.Text4->text(), QStringLiteral("00"));
    QCOMPARE(window.Text5->text(), QStringLiteral("00"));
    // 15/03/2007 13:00 UT: the next minimum is 18/03/2007 00:27:13 UT, shown in local time.
    QCOMPARE(window.Text7->text(), QStringLiteral("18/03/2007  01:27:13"));
    QVERIFY(!window.Text8->text().isEmpty());
    QCOMPARE(window.List1->count(), 11);
    QVERIFY(window.Label9->text() != QStringLiteral("Algol"));
    QVERIFY(!window.Command1->icon().isNull());
    QCOMPARE(window.Picture2->pos(), QPoint(0, 0));
    QVERIFY(window.Picture2->isHidden());
    QCOMPARE(window.Picture1->points().size(), std::size_t(361));
}

void TestAlgolStartup::quitSavesTheOffset_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("5.5") << "5.5" << "5.5";
    QTest::newRow("2.5 and a letter") << "2.5x" << "2.5";
    QTest::newRow("minus, blank, 4") << "- 4" << "-4";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("comma") << "7,5" << "7";
}

void TestAlgolStartup::quitSavesTheOffset()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    Algol window(m_clock, m_regional);
    window.Form_Load();
    window.Text6->setText(typed);
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(storedOffset(), saved);
}

void TestAlgolStartup::closeButtonSavesNothing()
{
    store("[Donn%U00E9e]\nTU=3\n");
    Algol window(m_clock, m_regional);
    window.Form_Load();
    window.Text6->setText(QStringLiteral("-7"));
    window.close();
    QCOMPARE(storedOffset(), QStringLiteral("3"));
}

void TestAlgolStartup::savedOffsetSurvivesRestart()
{
    {
        Algol first(m_clock, m_regional);
        first.Form_Load();
        first.Text6->setText(QStringLiteral("-2.25"));
        first.Command2_Click();
    }
    Algol second(m_clock, m_regional);
    second.Form_Load();
    QCOMPARE(second.Text6->text(), QStringLiteral("-2.25"));
}

// Reference minima from an independent computation (repeated additions of the period to the
// epoch, Python's datetime for the calendar).
void TestAlgolStartup::monthList_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("eleventh");
    // x = 28/02/2007 14:00 UT; the list starts with the first minimum after it.
    QTest::newRow("15/03/2007 14:00 UT") << "15/03/2007" << "14" << false
                                         << "28/02/2007  19:33:37" << "03/03/2007  16:22:33"
                                         << "29/03/2007  11:42:57";
    QTest::newRow("first of the month at midnight") << "01/04/2007" << "00" << false
                                                    << "01/04/2007  08:31:53"
                                                    << "04/04/2007  05:20:49"
                                                    << "30/04/2007  00:41:14";
    QTest::newRow("before the epoch") << "20/09/1972" << "12" << false << "08/10/1972  02:35:31"
                                      << "10/10/1972  23:24:27" << "05/11/1972  18:44:51";
    QTest::newRow("long before the epoch") << "01/01/1900" << "12" << false
                                           << "08/10/1972  02:35:31" << "10/10/1972  23:24:27"
                                           << "05/11/1972  18:44:51";
    // Local time one hour ahead: the same UT instant, every item one hour later.
    QTest::newRow("15/03/2007 15:00 local") << "15/03/2007" << "15" << true
                                            << "28/02/2007  20:33:37" << "03/03/2007  17:22:33"
                                            << "29/03/2007  12:42:57";
    // A minimum at 31/01/2006 23:49:43 UT is listed on the first of February in local time.
    QTest::newRow("across midnight in local time") << "15/02/2006" << "13" << true
                                                   << "01/02/2006  00:49:43"
                                                   << "03/02/2006  21:38:39"
                                                   << "01/03/2006  16:59:03";
}

void TestAlgolStartup::monthList()
{
    QFETCH(QString, date);
    QFETCH(QString, hours);
    QFETCH(bool, local);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, eleventh);
    for (const bool french : {true, false}) {
        const RegionalSettings regional = french ? RegionalSettings::french()
                                                 : RegionalSettings::english();
        Algol window(m_clock, regional);
        window.Check1->setChecked(local);
        window.Text6->setText(QStringLiteral("1"));
        window.Text1->setText(date);
        window.Text3->setText(hours);
        window.Text4->setText(QStringLiteral("0"));
        window.Text5->setText(QStringLiteral("0"));
        window.ComposeInstant();
        window.FillMonthList();
        const QStringList items = itemsOf(window.List1);
        QCOMPARE(items.size(), 11);
        QCOMPARE(items.at(0), first);
        QCOMPARE(items.at(1), second);
        QCOMPARE(items.at(10), eleventh);
        // FillMonthList ends with ComputeMinima: LastMinimum is the last minimum at or before the
        // instant, or the epoch for an instant before it.
        const double instant = window.Text2->text().replace(',', '.').toDouble();
        QVERIFY(window.LastMinimum <= instant || window.LastMinimum == 2441598.608);
        QVERIFY(window.LastMinimum > instant - 2.867315);
    }
}

void TestAlgolStartup::monthListKeptForInvalidDateOrInstant()
{
    Algol window(m_clock, m_regional);
    window.Form_Load();
    const QStringList before = itemsOf(window.List1);
    QCOMPARE(before.size(), 11);
    for (const char *notADate : {"31/02/2007", "", "mars"}) {
        window.Text1->setText(QString::fromLatin1(notADate));
        window.FillMonthList();
        QCOMPARE(itemsOf(window.List1), before);
    }
    // A valid date with a Text2 that is not a regional number leaves the list too.
    window.Text1->setText(QStringLiteral("15/06/2010"));
    for (const char *instant : {"", "2455362.5", "1e999", "1E+20"}) {
        window.Text2->setText(QString::fromLatin1(instant));
        window.FillMonthList();
        QCOMPARE(itemsOf(window.List1), before);
    }
}

void TestAlgolStartup::lightCurvePanelClicks()
{
    Algol window(m_clock, m_regional);
    window.Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Picture1, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(window.Picture2->isVisible());
    // The buttons along the bottom stay in front of the panel and usable.
    for (QPushButton *button : {window.Command2, window.Command3, window.Command4})
        QCOMPARE(window.childAt(button->geometry().center()), button);
    QTest::mouseClick(window.Image3, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(window.Picture2->isHidden());
}

void TestAlgolStartup::informationButtonOpensOneWindow()
{
    Algol window(m_clock, m_regional);
    window.Form_Load();
    QVERIFY(!loadedDescription());
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    Description *const first = loadedDescription();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    QCOMPARE(loadedDescription(), first);
    // The main window stays usable and its timer keeps running.
    m_clock.advanceMilliseconds(1000);
    QCOMPARE(window.Text5->text(), QStringLiteral("01"));
    closeInformationWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!loadedDescription());
}

QTEST_MAIN(TestAlgolStartup)
#include "tst_algolstartup.moc"
