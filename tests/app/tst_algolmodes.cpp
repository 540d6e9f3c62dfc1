// Real-time and edit modes: the ticks, the stopwatch button, the handlers of the fields and the
// warning, with a clock that tests move on instead of waiting.

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "fonts.h"
#include "image.h"
#include "label.h"
#include "textfield.h"
#include "timer.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using ephemeris::RegionalSettings;

namespace {

const QString kRealTime = QStringLiteral("Position d'algol fournie en temps réel.");
const QString kEditing = QStringLiteral("Vous pouvez modifier les dates et heures.");
const QString kWarning = QStringLiteral("Vous êtes en ''Temps réel''.");
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

double julianDayIn(const QLineEdit *field)
{
    return field->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

class TestAlgolModes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    toolkit::ManualClock m_clock{QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0))};
    const RegionalSettings m_regional = RegionalSettings::french();

    void startAt(Algol &window, const QDateTime &now)
    {
        m_clock.setNow(now);
        window.Form_Load();
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        toolkit::registerBundledFonts();
    }

    void ticksFollowTheClock();
    void stopwatchSwitchesModes();
    void twoPressesWithinASecond();
    void clickInAFieldWarnsInRealTime_data();
    void clickInAFieldWarnsInRealTime();
    void keyboardFocusDoesNotWarn();
    void typingInRealTimeIsOverwritten();
    void editModeRecomputesOnTyping();
    void invalidDateKeepsOutputsUntilValid();
    void uncheckingLocalTimeInEditMode();
    void tickChecksLocalTimeAgainAndRebuildsListFirst();
    void ticksDoNotRebuildTheList();
    void offsetChangeRebuildsInBothModes_data();
    void offsetChangeRebuildsInBothModes();
};

void TestAlgolModes::ticksFollowTheClock()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    const double before = julianDayIn(window.Text2);
    m_clock.advanceMilliseconds(999);
    QCOMPARE(window.Text5->text(), QStringLiteral("00"));
    m_clock.advanceMilliseconds(1);
    QCOMPARE(window.Text5->text(), QStringLiteral("01"));
    QVERIFY(qAbs(julianDayIn(window.Text2) - (before + 1.0 / 86400)) < 1e-8);
    m_clock.advanceMilliseconds(60'000);
    QCOMPARE(window.Text4->text(), QStringLiteral("01"));
    QCOMPARE(window.Text5->text(), QStringLiteral("01"));
    QCOMPARE(window.Label11->text(), kRealTime);
    QCOMPARE(window.Label11->textColor(), kNavy);
    QVERIFY(window.Check1->isChecked());
}

void TestAlgolModes::stopwatchSwitchesModes()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    QCOMPARE(window.Command1->icon().pixmap(32).toImage(),
             window.Image1->picture().toImage());
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QVERIFY(!window.Timer1->isEnabled());
    QCOMPARE(window.Label11->text(), kEditing);
    QCOMPARE(window.Command1->icon().pixmap(32).toImage(),
             window.Image2->picture().toImage());
    // In edit mode the clock no longer reaches the fields.
    m_clock.advanceMilliseconds(5000);
    QCOMPARE(window.Text5->text(), QStringLiteral("00"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QVERIFY(window.Timer1->isEnabled());
    QCOMPARE(window.Command1->icon().pixmap(32).toImage(),
             window.Image1->picture().toImage());
}

void TestAlgolModes::twoPressesWithinASecond()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    m_clock.advanceMilliseconds(300);
    window.Command1_Click();
    m_clock.advanceMilliseconds(500);
    window.Command1_Click();
    // The next tick comes one full interval after the second press.
    m_clock.advanceMilliseconds(999);
    QCOMPARE(window.Label11->text(), kEditing);
    m_clock.advanceMilliseconds(1);
    QCOMPARE(window.Label11->text(), kRealTime);
    QCOMPARE(window.Text5->text(), QStringLiteral("01"));
}

void TestAlgolModes::clickInAFieldWarnsInRealTime_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"Text1", "Text3", "Text4", "Text5"})
        QTest::newRow(name) << name;
}

void TestAlgolModes::clickInAFieldWarnsInRealTime()
{
    QFETCH(QString, field);
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    auto *target = window.findChild<toolkit::TextField *>(field);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(window.Label11->text(), kWarning);
    QCOMPARE(window.Label11->textColor(), kRed);
    m_clock.advanceMilliseconds(1000);
    QCOMPARE(window.Label11->text(), kRealTime);
    QCOMPARE(window.Label11->textColor(), kNavy);
    // In edit mode a click is just a click.
    window.Command1_Click();
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(window.Label11->text(), kEditing);
}

void TestAlgolModes::keyboardFocusDoesNotWarn()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Command3->setFocus();
    QTest::keyClick(window.Command3, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.Text3);
    QCOMPARE(window.Label11->text(), kRealTime);
}

void TestAlgolModes::typingInRealTimeIsOverwritten()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    const QString instant = window.Text2->text();
    window.Text1->clear();
    QTest::keyClicks(window.Text1, QStringLiteral("01/01/2000"));
    QCOMPARE(window.Text2->text(), instant);
    m_clock.advanceMilliseconds(1000);
    QCOMPARE(window.Text1->text(), QStringLiteral("15/03/2007"));
}

void TestAlgolModes::editModeRecomputesOnTyping()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    window.Command1_Click();
    window.List1->clear();
    window.List1->addItem(QStringLiteral("sentinel"));

    // The hour recomputes the instant but not the list.
    window.Text3->selectAll();
    QTest::keyClicks(window.Text3, QStringLiteral("20"));
    const double expected = 2454174.5 + 20.0 / 24 - 1.0 / 24;
    QVERIFY2(qAbs(julianDayIn(window.Text2) - expected) < 1e-8, qPrintable(window.Text2->text()));
    QCOMPARE(itemsOf(window.List1), QStringList{QStringLiteral("sentinel")});

    // The date rebuilds the list as well, at every keystroke that makes a date.
    window.Text1->selectAll();
    QTest::keyClicks(window.Text1, QStringLiteral("01/01/2000"));
    QCOMPARE(window.List1->count(), 11);
    QVERIFY2(qAbs(julianDayIn(window.Text2) - (2451544.5 + 19.0 / 24)) < 1e-8,
             qPrintable(window.Text2->text()));
}

void TestAlgolModes::invalidDateKeepsOutputsUntilValid()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    window.Command1_Click();
    const QString instant = window.Text2->text();
    const QString next = window.Text7->text();
    const QString phase = window.Text8->text();
    const QStringList list = itemsOf(window.List1);

    window.Text1->selectAll();
    QTest::keyClicks(window.Text1, QStringLiteral("31/02/200"));
    QCOMPARE(window.Text2->text(), instant);
    QCOMPARE(window.Text7->text(), next);
    QCOMPARE(window.Text8->text(), phase);
    QCOMPARE(itemsOf(window.List1), list);

    // Valid again: 31/02/2007 is not a date, 28/02/2007 is.
    window.Text1->setText(QStringLiteral("28/02/2007"));
    QVERIFY(window.Text2->text() != instant);
    QVERIFY(itemsOf(window.List1) != list);
}

void TestAlgolModes::uncheckingLocalTimeInEditMode()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    window.Command1_Click();
    const double local = julianDayIn(window.Text2);
    QTest::mouseClick(window.Check1, Qt::LeftButton);
    QVERIFY(!window.Check1->isChecked());
    QVERIFY(qAbs(julianDayIn(window.Text2) - (local + 1.0 / 24)) < 1e-8);
}

void TestAlgolModes::tickChecksLocalTimeAgainAndRebuildsListFirst()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    window.Command1_Click();
    window.Text1->setText(QStringLiteral("10/07/2010"));
    window.Check1->setChecked(false);
    const QStringList julyList = itemsOf(window.List1);
    // Rebuilt by the unchecking from the instant composed in local time, shown in UT.
    QCOMPARE(julyList.first(), QStringLiteral("01/07/2010  10:10:24"));
    window.Command1_Click();
    m_clock.advanceMilliseconds(1000);
    // The tick checked Check1, which rebuilt the list for the date still in Text1 (July 2010),
    // then copied the clock into the fields; the list stays on July 2010, shown in local time.
    QVERIFY(window.Check1->isChecked());
    QCOMPARE(window.Text1->text(), QStringLiteral("15/03/2007"));
    QCOMPARE(window.List1->count(), 11);
    QCOMPARE(window.List1->item(0)->text(), QStringLiteral("01/07/2010  11:10:24"));
}

void TestAlgolModes::ticksDoNotRebuildTheList()
{
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 31), QTime(23, 59, 59)));
    const QStringList march = itemsOf(window.List1);
    m_clock.advanceMilliseconds(1000);
    QCOMPARE(window.Text1->text(), QStringLiteral("01/04/2007"));
    QCOMPARE(itemsOf(window.List1), march);
}

void TestAlgolModes::offsetChangeRebuildsInBothModes_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<bool>("emptyInstant"); // Text2 emptied first, as before the first computation
    QTest::newRow("real-time") << false << false;
    QTest::newRow("edit") << true << false;
    // An empty Text2 makes the offset's change do nothing at all, in either mode.
    QTest::newRow("real-time, Text2 empty") << false << true;
    QTest::newRow("edit, Text2 empty") << true << true;
}

void TestAlgolModes::offsetChangeRebuildsInBothModes()
{
    QFETCH(bool, editMode);
    QFETCH(bool, emptyInstant);
    Algol window(m_clock, m_regional);
    startAt(window, QDateTime(QDate(2007, 3, 15), QTime(14, 0, 0)));
    if (editMode)
        window.Command1_Click();
    if (emptyInstant)
        window.Text2->clear();
    const QStringList before = itemsOf(window.List1);
    const double instant = julianDayIn(window.Text2);
    window.Text6->setText(QStringLiteral("3"));
    if (emptyInstant) {
        QVERIFY2(window.Text2->text().isEmpty() && itemsOf(window.List1) == before,
                 qPrintable(QStringLiteral("the offset's change recomputed although Text2 was "
                                           "empty: Text2 now holds \"%1\"")
                                .arg(window.Text2->text())));
        return;
    }
    QVERIFY(qAbs(julianDayIn(window.Text2) - (instant - 2.0 / 24)) < 1e-8);
    QVERIFY(itemsOf(window.List1) != before);
}

QTEST_MAIN(TestAlgolModes)
#include "tst_algolmodes.moc"
