// The light-time correction for Algol (HJD - JD) and the conversions both ways.
//
// Reference: astropy 5.2.1, Time.light_travel_time(SkyCoord(ICRS 03h08m10.13245s
// +40d57m20.3280s), kind='heliocentric') for an observer at the Earth's centre, computed offline
// (iers.conf.auto_download = False).

#include "heliocentric.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kSecond = 1.0 / 86400.0;

QByteArray jdText(double jd)
{
    return "JD " + QByteArray::number(jd, 'f', 6);
}

} // namespace

class TestHeliocentric : public QObject
{
    Q_OBJECT

private slots:
    void correction_data();
    void correction();
    void rangeOverAYear();
    void notFinite();
};

void TestHeliocentric::correction_data()
{
    QTest::addColumn<double>("jdUtc");
    QTest::addColumn<double>("astropyDays");

    QTest::newRow("8 October 1972 02:35:31, the classic epoch")
        << 2441598.607997685 << 0.0040330972884450615;
    QTest::newRow("1 January 2000 12:00") << 2451545.0 << 0.003762803054044923;
    QTest::newRow("6 May 2022, near the lowest") << 2459705.5 << -0.005285844398045623;
    QTest::newRow("18 September 2022 01:27:27, a current minimum")
        << 2459840.560731265 << 0.0025727327947794986; // 01:31:09 HJD
    QTest::newRow("7 November 2022, near the highest") << 2459890.5 << 0.005177073111952373;
    QTest::newRow("1 February 2035") << 2464359.5 << 0.001336232223617466;
}

void TestHeliocentric::correction()
{
    QFETCH(double, jdUtc);
    QFETCH(double, astropyDays);

    const double correction = sky::heliocentricCorrectionDays(jdUtc);
    QVERIFY2(std::fabs(correction - astropyDays) < 0.05 * kSecond,
             jdText(jdUtc) + ": " + QByteArray::number(correction / kSecond) + " s instead of "
                 + QByteArray::number(astropyDays / kSecond) + " s");
    QVERIFY2(std::fabs(sky::heliocentricFromGeocentric(jdUtc) - (jdUtc + astropyDays))
                 < 0.05 * kSecond,
             jdText(jdUtc));
    // Back from the heliocentric instant to the geocentric one, far below a second.
    const double back = sky::geocentricFromHeliocentric(jdUtc + astropyDays);
    QVERIFY2(std::fabs(back - jdUtc) < 0.05 * kSecond,
             jdText(jdUtc) + ": back at " + QByteArray::number((back - jdUtc) / kSecond) + " s");
}

// Over 2022 (every 6 hours), the correction runs from -7.7743 minutes (18 May) to +7.5995 minutes
// (18 November): astropy on the same instants.
void TestHeliocentric::rangeOverAYear()
{
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (int quarter = 0; quarter < 366 * 4; ++quarter) {
        const double minutes = sky::heliocentricCorrectionDays(2459580.5 + quarter * 0.25) * 1440;
        lowest = std::min(lowest, minutes);
        highest = std::max(highest, minutes);
    }
    QVERIFY2(std::fabs(lowest - -7.774299439129287) < 0.001, QByteArray::number(lowest));
    QVERIFY2(std::fabs(highest - 7.599486959438291) < 0.001, QByteArray::number(highest));
}

void TestHeliocentric::notFinite()
{
    for (const double jd : {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()}) {
        QVERIFY(std::isnan(sky::heliocentricCorrectionDays(jd)));
        QVERIFY(std::isnan(sky::geocentricFromHeliocentric(jd)));
        QVERIFY(std::isnan(sky::heliocentricFromGeocentric(jd)));
    }
    // Outside the calendar of years 100 to 9999 the ephemeris means nothing: no answer.
    for (const double jd : {0.0, 1757584.4, 5373484.5, 1e12, 1e300})
        QVERIFY2(std::isnan(sky::heliocentricCorrectionDays(jd)), jdText(jd));
    // At its ends, Earth's place is rough but still within the light-time's range.
    for (const double jd : {1757584.5, 5373484.4})
        QVERIFY2(std::fabs(sky::heliocentricCorrectionDays(jd)) < 0.006, jdText(jd));
}

QTEST_APPLESS_MAIN(TestHeliocentric)
#include "tst_heliocentric.moc"
