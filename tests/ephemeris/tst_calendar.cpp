// The proleptic Gregorian calendar and the day numbers counted from 30/12/1899.

#include "calendar.h"
#include "timetypes.h"

#include <QTest>

using ephemeris::CivilDate;

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void leapYears_data();
    void leapYears();
    void validity_data();
    void validity();
    void dayNumbers_data();
    void dayNumbers();
    void everyDayOfTheRangeFollowsTheDayBefore();
};

void TestCalendar::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");

    QTest::newRow("divisible by 4") << 2004 << true;
    QTest::newRow("not divisible by 4") << 2007 << false;
    QTest::newRow("century") << 1900 << false;
    QTest::newRow("fourth century") << 2000 << true;
    QTest::newRow("first year of the range") << 100 << false;
    QTest::newRow("last year of the range") << 9999 << false;
    QTest::newRow("year 400") << 400 << true;
}

void TestCalendar::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(ephemeris::isLeapYear(year), leap);
    QCOMPARE(ephemeris::daysInMonth(year, 2), leap ? 29 : 28);
}

void TestCalendar::validity_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("valid");

    QTest::newRow("31 February") << 2007 << 2 << 31 << false;
    QTest::newRow("29 February, common year") << 2007 << 2 << 29 << false;
    QTest::newRow("29 February 2000") << 2000 << 2 << 29 << true;
    QTest::newRow("29 February 1900") << 1900 << 2 << 29 << false;
    QTest::newRow("31 April") << 2007 << 4 << 31 << false;
    QTest::newRow("30 April") << 2007 << 4 << 30 << true;
    QTest::newRow("31 December") << 9999 << 12 << 31 << true;
    QTest::newRow("day 0") << 2007 << 1 << 0 << false;
    QTest::newRow("month 0") << 2007 << 0 << 1 << false;
    QTest::newRow("month 13") << 2007 << 13 << 1 << false;
    QTest::newRow("negative day") << 2007 << 1 << -1 << false;
}

void TestCalendar::validity()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, valid);
    QCOMPARE(ephemeris::isValidCivilDate({year, month, day}), valid);
}

void TestCalendar::dayNumbers_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<qlonglong>("dayNumber");

    // Reference values: Python, (date(y, m, d) - date(1899, 12, 30)).days.
    QTest::newRow("day zero") << 1899 << 12 << 30 << 0LL;
    QTest::newRow("the day after") << 1899 << 12 << 31 << 1LL;
    QTest::newRow("the day before") << 1899 << 12 << 29 << -1LL;
    QTest::newRow("1 March 1900, no 29 February before it") << 1900 << 3 << 1 << 61LL;
    QTest::newRow("1 January 1950") << 1950 << 1 << 1 << 18264LL;
    QTest::newRow("1 January 1970") << 1970 << 1 << 1 << 25569LL;
    QTest::newRow("1 January 2000") << 2000 << 1 << 1 << 36526LL;
    QTest::newRow("29 February 2000") << 2000 << 2 << 29 << 36585LL;
    QTest::newRow("15 March 2007") << 2007 << 3 << 15 << 39156LL;
    QTest::newRow("first day of the range") << 100 << 1 << 1 << -657434LL;
    QTest::newRow("last day of the range") << 9999 << 12 << 31 << 2958465LL;
}

void TestCalendar::dayNumbers()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(qlonglong, dayNumber);

    QCOMPARE(ephemeris::dayNumberOf({year, month, day}), dayNumber);
    const CivilDate date = ephemeris::civilDateOf(dayNumber);
    QCOMPARE(date.year, year);
    QCOMPARE(date.month, month);
    QCOMPARE(date.day, day);
}

// An independent count: walk the calendar one day at a time with the month lengths, from
// 01/01/0100 to 31/12/9999, and check both directions of the day number on every day.
void TestCalendar::everyDayOfTheRangeFollowsTheDayBefore()
{
    CivilDate date{100, 1, 1};
    long long dayNumber = static_cast<long long>(ephemeris::kFirstSerialDay);
    for (;;) {
        const CivilDate converted = ephemeris::civilDateOf(dayNumber);
        if (converted.year != date.year || converted.month != date.month
            || converted.day != date.day || ephemeris::dayNumberOf(date) != dayNumber) {
            QFAIL(qPrintable(QStringLiteral("day number %1 is not %2/%3/%4")
                                 .arg(dayNumber).arg(date.day).arg(date.month).arg(date.year)));
        }
        if (date.year == 9999 && date.month == 12 && date.day == 31)
            break;
        ++dayNumber;
        if (++date.day > ephemeris::daysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    QCOMPARE(static_cast<double>(dayNumber), ephemeris::kLastSerialDay);
}

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
