// The main window's composition of the instant and computation of the minima, driven through its
// fields as a user or the clock would fill them.

#include "algol.h"
#include "checkbox.h"
#include "clock.h"
#include "graphics.h"
#include "textfield.h"

#include <QtTest>

using ephemeris::RegionalSettings;

namespace {

struct Fields
{
    QString date, hours, minutes, seconds, offset;
    bool local;
};

void fill(Algol &window, const Fields &fields)
{
    window.Check1->setChecked(fields.local);
    window.Text6->setText(fields.offset);
    window.Text3->setText(fields.hours);
    window.Text4->setText(fields.minutes);
    window.Text5->setText(fields.seconds);
    window.Text1->setText(fields.date);
}

QString withSeparator(QString text, const RegionalSettings &regional)
{
    return text.replace(QLatin1Char('.'), QString::fromStdString(regional.decimalSeparator));
}

} // namespace

class TestAlgolEphemeris : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{QDateTime(QDate(2007, 3, 15), QTime(14, 0))};
    const RegionalSettings m_french = RegionalSettings::french();
    const RegionalSettings m_english = RegionalSettings::english();

private slots:
    void composesWorkedExamples_data();
    void composesWorkedExamples();
    void invalidDateKeepsInstantButRecomputes();
    void localModeShiftsByOffset();
    void ignoredInstants_data();
    void ignoredInstants();
    void instantOnAMinimum_data();
    void instantOnAMinimum();
    void nextMinimumFollowsCheck1();
    void composeInstantAtReturnsWrittenInstant();
    void anyTextInAnyField_data();
    void anyTextInAnyField();
};

// Reference values from an independent computation of the same arithmetic (the literal stepping
// from the epoch, Python's datetime for the calendar).
void TestAlgolEphemeris::composesWorkedExamples_data()
{
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("julianDay"); // with "." for the regional separator
    QTest::addColumn<QString>("nextMinimum");
    QTest::addColumn<QString>("phase");

    for (const bool french : {true, false}) {
        const char *const settings = french ? "fr" : "en";
        // 01/01/2000 12:00 UT is JD 2451545; the last minimum before it is 29/12/1999 22:57:15 UT,
        // the next one 01/01/2000 19:46:11 UT, the phase 0.8871.
        QTest::addRow("%s: 01/01/2000 12:00 UT", settings)
            << french << "01/01/2000" << "12" << "0" << "0" << "1" << false << "2451545"
            << "01/01/2000  19:46:11" << "0.887";
        // The same instant typed as local time one hour ahead: the next minimum shows an hour later.
        QTest::addRow("%s: 01/01/2000 13:00 local +1", settings)
            << french << "01/01/2000" << "13" << "0" << "0" << "1" << true << "2451545"
            << "01/01/2000  20:46:11" << "0.887";
        // SerialDate 0; before the epoch the next minimum is the one after the epoch.
        QTest::addRow("%s: 30/12/1899 00:00 UT", settings)
            << french << "30/12/1899" << "00" << "00" << "00" << "1" << false << "2415018.5"
            << "10/10/1972  23:24:27" << "-9270.034";
        // Empty fields count as 0.
        QTest::addRow("%s: empty time fields", settings)
            << french << "01/01/2000" << "" << "" << "" << "" << true << "2451544.5"
            << "01/01/2000  19:46:11" << "0.713";
        // 7,5 reads as 7 hours whatever the settings, 7.5 as 7 h 30.
        QTest::addRow("%s: hours 7,5", settings)
            << french << "01/01/2000" << "7,5" << "0" << "0" << "0" << false << "2451544.79166667"
            << "01/01/2000  19:46:11" << "0.814";
        QTest::addRow("%s: hours 7.5", settings)
            << french << "01/01/2000" << "7.5" << "0" << "0" << "0" << false << "2451544.8125"
            << "01/01/2000  19:46:11" << "0.822";
        // 86400 seconds is one day later; 25 hours is the next day at 01:00.
        QTest::addRow("%s: seconds 86400", settings)
            << french << "31/12/1999" << "12" << "0" << "86400" << "0" << false << "2451545"
            << "01/01/2000  19:46:11" << "0.887";
        QTest::addRow("%s: hours 25", settings)
            << french << "31/12/1999" << "25" << "0" << "0" << "0" << false << "2451544.54166667"
            << "01/01/2000  19:46:11" << "0.727";
        // Offset -5: the typed local time is five hours behind UT.
        QTest::addRow("%s: offset -5", settings)
            << french << "01/01/2000" << "7" << "0" << "0" << "-5" << true << "2451545"
            << "01/01/2000  14:46:11" << "0.887";
        // Long before the epoch: LastMinimum stays at the epoch, the phase is far below 0.
        QTest::addRow("%s: a date in 1852", settings)
            << french << "01/01/1852" << "0" << "0" << "0" << "0" << false << "2397488.5"
            << "10/10/1972  23:24:27" << "-15383.768";
    }
}

void TestAlgolEphemeris::composesWorkedExamples()
{
    QFETCH(bool, french);
    QFETCH(QString, date);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, offset);
    QFETCH(bool, local);
    QFETCH(QString, julianDay);
    QFETCH(QString, nextMinimum);
    QFETCH(QString, phase);

    const RegionalSettings regional = french ? RegionalSettings::french() : RegionalSettings::english();
    Algol window(m_clock, regional);
    fill(window, {date, hours, minutes, seconds, offset, local});
    window.ComposeInstant();

    QCOMPARE(window.Text2->text(), withSeparator(julianDay, regional));
    QCOMPARE(window.Text7->text(), nextMinimum);
    QCOMPARE(window.Text8->text(), withSeparator(phase, regional));
}

void TestAlgolEphemeris::invalidDateKeepsInstantButRecomputes()
{
    Algol window(m_clock, m_french);
    fill(window, {"01/01/2000", "12", "0", "0", "1", false});
    window.ComposeInstant();
    QCOMPARE(window.Text2->text(), QStringLiteral("2451545"));

    window.Text7->setText(QStringLiteral("stale"));
    window.Text8->setText(QStringLiteral("stale"));
    for (const char *notADate : {"31/02/2007", "29/02/2007", "", "hier", "32/01/2000"}) {
        window.Text1->setText(QString::fromLatin1(notADate));
        window.ComposeInstant();
        QCOMPARE(window.Text2->text(), QStringLiteral("2451545"));
        // The minima are recomputed from the unchanged instant.
        QCOMPARE(window.Text7->text(), QStringLiteral("01/01/2000  19:46:11"));
        QCOMPARE(window.Text8->text(), QStringLiteral("0,887"));
    }
}

void TestAlgolEphemeris::localModeShiftsByOffset()
{
    Algol window(m_clock, m_english);
    fill(window, {"15/03/2007", "14", "0", "0", "1", false});
    window.ComposeInstant();
    const double ut = window.Text2->text().toDouble();
    window.Check1->setChecked(true);
    window.ComposeInstant();
    const double local = window.Text2->text().toDouble();
    QVERIFY2(qAbs((ut - local) - 1.0 / 24) < 1e-8,
             qPrintable(QStringLiteral("UT %1 local %2").arg(ut, 0, 'f', 8).arg(local, 0, 'f', 8)));
}

void TestAlgolEphemeris::ignoredInstants_data()
{
    QTest::addColumn<QString>("instant");
    QTest::addColumn<bool>("computed");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("999999,9 reads as 999999") << "999999,9" << false;
    QTest::newRow("exactly 1000000") << "1000000" << true;
    QTest::newRow("point under French settings") << "2451545.5" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("negative") << "-2451545" << false;
    QTest::newRow("stepping cannot end") << "1E+20" << false;
    QTest::newRow("beyond the double range") << "1e999" << false;
    QTest::newRow("last day of 9999") << "5373484,4" << true;
}

void TestAlgolEphemeris::ignoredInstants()
{
    QFETCH(QString, instant);
    QFETCH(bool, computed);
    Algol window(m_clock, m_french);
    window.Check1->setChecked(false);
    window.Text7->setText(QStringLiteral("before"));
    window.Text8->setText(QStringLiteral("before"));
    const double lastMinimum = window.LastMinimum;
    window.Text2->setText(instant);
    window.ComputeMinima();
    QCOMPARE(window.InstantText, instant);
    if (computed) {
        QVERIFY(window.Text8->text() != QStringLiteral("before"));
    } else {
        QCOMPARE(window.Text7->text(), QStringLiteral("before"));
        QCOMPARE(window.Text8->text(), QStringLiteral("before"));
        QCOMPARE(window.LastMinimum, lastMinimum);
        QCOMPARE(window.CurrentPhase, 0.0);
    }
}

void TestAlgolEphemeris::instantOnAMinimum_data()
{
    QTest::addColumn<QString>("instant");
    QTest::addColumn<QString>("nextMinimum");
    QTest::addColumn<QString>("phase");
    // The light-curve cursor's x in twips, 1425 + (6420 - 1425) * phase in single precision
    // (Python: the phase from the literal stepping, rounded through struct's "f").
    QTest::addColumn<float>("cursor");
    // The first minimum after the epoch, 2441598.608 + 2.867315 = 2441601.475315 exactly as the
    // sum of the two doubles, typed into Text2: phase 0 and the following minimum.
    QTest::newRow("on a minimum") << "2441601,475315" << "13/10/1972  20:13:23" << "0,000"
                                  << 1425.0f;
    // Under a millisecond before it: the phase rounds to 1,000 and Text7 shows that same minimum.
    QTest::newRow("a millisecond before") << "2441601,47531499" << "10/10/1972  23:24:27"
                                          << "1,000" << 6420.0f;
    // Before the epoch the phase is negative and the next minimum the one after the epoch.
    QTest::newRow("before the epoch") << "2433282,5" << "10/10/1972  23:24:27" << "-2900,312"
                                      << -14485633.0f;
}

void TestAlgolEphemeris::instantOnAMinimum()
{
    QFETCH(QString, instant);
    QFETCH(QString, nextMinimum);
    QFETCH(QString, phase);
    QFETCH(float, cursor);
    Algol window(m_clock, m_french);
    window.Check1->setChecked(false);
    window.Text2->setText(instant);
    window.ComputeMinima();
    QCOMPARE(window.Text7->text(), nextMinimum);
    QCOMPARE(window.Text8->text(), phase);
    QVERIFY2(window.Magnitude->x1() == cursor && window.Magnitude->x2() == cursor,
             qPrintable(QStringLiteral("the recomputation left the light-curve cursor at %1, "
                                       "not at %2")
                            .arg(double(window.Magnitude->x1()), 0, 'f', 1)
                            .arg(double(cursor), 0, 'f', 1)));
}

void TestAlgolEphemeris::nextMinimumFollowsCheck1()
{
    Algol window(m_clock, m_french);
    window.Text6->setText(QStringLiteral("2"));
    window.Text2->setText(QStringLiteral("2451545"));
    window.Check1->setChecked(false);
    window.ComputeMinima();
    QCOMPARE(window.Text7->text(), QStringLiteral("01/01/2000  19:46:11"));
    const QString phase = window.Text8->text();
    window.Check1->setChecked(true);
    window.ComputeMinima();
    QCOMPARE(window.Text7->text(), QStringLiteral("01/01/2000  21:46:11"));
    QCOMPARE(window.Text8->text(), phase);
    // An offset beyond the double range abandons the display of the next minimum only.
    window.Text6->setText(QStringLiteral("1e999"));
    window.ComputeMinima();
    QCOMPARE(window.Text7->text(), QStringLiteral("01/01/2000  21:46:11"));
    QCOMPARE(window.Text8->text(), phase);
}

void TestAlgolEphemeris::composeInstantAtReturnsWrittenInstant()
{
    Algol window(m_clock, m_english);
    window.Check1->setChecked(false);
    const ephemeris::SerialDate firstOfJanuary2007 = 39083; // 01/01/2007
    const float midnight = 0.0f;
    const double start = window.ComposeInstantAt(firstOfJanuary2007, midnight);
    QCOMPARE(start, 39083 + 2415018.5);
    QCOMPARE(window.Text2->text(), QStringLiteral("2454101.5"));
    // ComputeMinima ran: the next minimum after 01/01/2007 00:00 UT.
    QCOMPARE(window.Text7->text(), QStringLiteral("02/01/2007  11:14:57"));

    // A single-precision time of day: one third of a day is not exact in a float.
    const float third = 1.0f / 3.0f;
    window.Check1->setChecked(true);
    window.Text6->setText(QStringLiteral("2"));
    const double local = window.ComposeInstantAt(firstOfJanuary2007, third);
    QCOMPARE(local, ((39083 + 2415018.5) + double(third)) - 2.0 / 24);
}

void TestAlgolEphemeris::anyTextInAnyField_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abcdef";
    QTest::newRow("long") << QString(10000, QLatin1Char('9'));
    QTest::newRow("long letters") << QString(10000, QLatin1Char('x'));
    QTest::newRow("1e308") << "1e308";
    QTest::newRow("-1e308") << "-1e308";
    QTest::newRow("1e999") << "1e999";
    QTest::newRow("hex") << "&HFFFFFFFFFFFFFFFF";
    QTest::newRow("NaN") << "NaN";
    QTest::newRow("inf") << "inf";
    QTest::newRow("7,5") << "7,5";
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x8C\x9F 12");
    QTest::newRow("1e20") << "1e20";
    QTest::newRow("-1e20") << "-1e20";
}

void TestAlgolEphemeris::anyTextInAnyField()
{
    QFETCH(QString, text);
    for (const bool french : {true, false}) {
        const RegionalSettings &regional = french ? m_french : m_english;
        for (const bool local : {false, true}) {
            Algol window(m_clock, regional);
            const Fields good{"01/01/2000", "12", "0", "0", "0", local};
            QLineEdit *const fields[] = {window.Text1, window.Text2, window.Text3, window.Text4,
                                         window.Text5, window.Text6};
            for (QLineEdit *target : fields) {
                fill(window, good);
                window.ComposeInstant();
                QCOMPARE(window.Text2->text(), QStringLiteral("2451545"));
                target->setText(text);
                window.ComposeInstant();
                // Whatever was typed, the window shows texts, never a NaN or an infinity.
                for (QLineEdit *output : {window.Text2, window.Text7, window.Text8}) {
                    QVERIFY2(!output->text().contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                                 !output->text().contains(QLatin1String("inf"), Qt::CaseInsensitive),
                             qPrintable(output->text()));
                }
                QVERIFY(std::isfinite(window.CurrentPhase));
            }
        }
    }
}

QTEST_MAIN(TestAlgolEphemeris)
#include "tst_algolephemeris.moc"
