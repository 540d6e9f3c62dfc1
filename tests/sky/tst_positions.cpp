// Geometric (no refraction) altitudes and azimuths of Algol, the Sun and the Moon, and the Moon's
// illuminated fraction.

#include "positions.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

using sky::Horizontal;
using sky::Site;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDegree = std::numbers::pi / 180;

QByteArray inputs(const Site &site, double jdUtc)
{
    return "JD " + QByteArray::number(jdUtc, 'f', 6) + " at " + QByteArray::number(site.latitudeDeg)
        + ", " + QByteArray::number(site.longitudeDeg) + ", " + QByteArray::number(site.heightM)
        + " m";
}

QByteArray shown(const Horizontal &horizontal)
{
    return "alt " + QByteArray::number(horizontal.altitudeDeg, 'f', 4) + " az "
        + QByteArray::number(horizontal.azimuthDeg, 'f', 4);
}

// The angle between two directions on the sky, degrees: an azimuth near the zenith weighs little.
double separationDeg(const Horizontal &a, const Horizontal &b)
{
    const double cosine = std::sin(a.altitudeDeg * kDegree) * std::sin(b.altitudeDeg * kDegree)
        + std::cos(a.altitudeDeg * kDegree) * std::cos(b.altitudeDeg * kDegree)
            * std::cos((a.azimuthDeg - b.azimuthDeg) * kDegree);
    return std::acos(std::min(1.0, cosine)) / kDegree;
}

} // namespace

Q_DECLARE_METATYPE(Site)
Q_DECLARE_METATYPE(Horizontal)

class TestPositions : public QObject
{
    Q_OBJECT

private slots:
    void horizontal_data();
    void horizontal();
    void sunAtPublishedSunriseAndSunset_data();
    void sunAtPublishedSunriseAndSunset();
    void moonIlluminatedFraction_data();
    void moonIlluminatedFraction();
    void algolHighestAltitude_data();
    void algolHighestAltitude();
    void unusualInputs();
};

void TestPositions::horizontal_data()
{
    QTest::addColumn<Site>("site");
    QTest::addColumn<double>("jdUtc");
    QTest::addColumn<Horizontal>("algol");
    QTest::addColumn<Horizontal>("sun");
    QTest::addColumn<Horizontal>("moon");

    // astropy 5.2.1, computed offline (iers.conf.auto_download = False): AltAz with pressure 0 (no
    // refraction), WGS84 EarthLocation.from_geodetic; Algol from its ICRS place, proper motion,
    // parallax and radial velocity (apply_space_motion to the instant); the Sun and the Moon from
    // get_body at the site. They agreed within 0.001 degree for Algol and the Moon, 0.007 for
    // the Sun (whose light-time and aberration are left out here).
    const Site paris{48.85, 2.35, 0};
    const Site capeTown{-33.9, 18.4, 0};
    const Site tromso{69.65, 18.96, 0};
    const Site maunaKea{19.82, -155.47, 4205};
    QTest::newRow("Paris, 18 September 2022 01:27")
        << paris << 2459840.560416667 << Horizontal{69.9055, 102.9213}
        << Horizontal{-34.6153, 31.5524} << Horizontal{35.0744, 88.8175};
    QTest::newRow("Paris, 24 June 2023 19:58")
        << paris << 2460120.331944444 << Horizontal{0.6055, 350.3390}
        << Horizontal{-0.8034, 308.2918} << Horizontal{33.9242, 239.1148};
    QTest::newRow("Paris at 35 m, 3 January 2031 18:00")
        << Site{48.85, 2.35, 35} << 2462870.25 << Horizontal{66.2393, 96.9555}
        << Horizontal{-17.7336, 255.4058} << Horizontal{50.8202, 129.8119};
    QTest::newRow("Cape Town, 10 November 2022 22:00")
        << capeTown << 2459894.4166666665 << Horizontal{14.6014, 6.9880}
        << Horizontal{-38.2676, 189.2356} << Horizontal{20.1074, 35.2982};
    QTest::newRow("Cape Town, 2 April 2025 06:30")
        << capeTown << 2460767.7708333335 << Horizontal{-28.8414, 57.7738}
        << Horizontal{17.4898, 71.1659} << Horizontal{-36.1808, 79.9508};
    QTest::newRow("Tromso, 15 December 2024 12:00")
        << tromso << 2460660.0 << Horizontal{28.0131, 45.1785} << Horizontal{-4.0743, 198.4684}
        << Horizontal{7.9266, 16.4426};
    QTest::newRow("Tromso, 21 June 2026 23:00")
        << tromso << 2461213.4583333335 << Horizontal{25.8334, 37.5276}
        << Horizontal{3.1180, 3.1979} << Horizontal{-4.9065, 272.8853};
    QTest::newRow("Mauna Kea, 5 October 2023 11:00")
        << maunaKea << 2460222.9583333335 << Horizontal{60.5317, 38.6437}
        << Horizontal{-70.6645, 40.2937} << Horizontal{29.2807, 68.1905};
    QTest::newRow("Mauna Kea, 14 March 2019 05:00")
        << maunaKea << 2458556.7083333335 << Horizontal{47.3560, 309.6907}
        << Horizontal{-7.6598, 269.9354} << Horizontal{79.3027, 274.0791};
}

void TestPositions::horizontal()
{
    QFETCH(Site, site);
    QFETCH(double, jdUtc);
    QFETCH(Horizontal, algol);
    QFETCH(Horizontal, sun);
    QFETCH(Horizontal, moon);

    const sky::SkyAtInstant sky = sky::skyAt(site, jdUtc);
    const QByteArray where = inputs(site, jdUtc);
    QVERIFY2(separationDeg(sky.algol, algol) < 0.05, where + ": Algol " + shown(sky.algol));
    QVERIFY2(separationDeg(sky.sun, sun) < 0.05, where + ": Sun " + shown(sky.sun));
    // ERFA's Moon98 is a short series: a tenth of a degree.
    QVERIFY2(separationDeg(sky.moon, moon) < 0.1, where + ": Moon " + shown(sky.moon));
    for (const Horizontal &horizontal : {sky.algol, sky.sun, sky.moon})
        QVERIFY2(horizontal.azimuthDeg >= 0 && horizontal.azimuthDeg < 360, where);

    // One quantity at a time gives the same numbers.
    const Horizontal algolAlone = sky::algolHorizontal(site, jdUtc);
    const Horizontal moonAlone = sky::moonHorizontal(site, jdUtc);
    QCOMPARE(algolAlone.altitudeDeg, sky.algol.altitudeDeg);
    QCOMPARE(algolAlone.azimuthDeg, sky.algol.azimuthDeg);
    QCOMPARE(sky::sunAltitudeDeg(site, jdUtc), sky.sun.altitudeDeg);
    QCOMPARE(moonAlone.altitudeDeg, sky.moon.altitudeDeg);
    QCOMPARE(moonAlone.azimuthDeg, sky.moon.azimuthDeg);
    QCOMPARE(sky::moonIlluminatedFraction(jdUtc), sky.moonIlluminatedFraction);
}

void TestPositions::sunAtPublishedSunriseAndSunset_data()
{
    QTest::addColumn<double>("jdUtc");

    // Paris (48 deg 50' 57" N) on 24 June 2023: sunrise 05:48 and sunset 21:58 summer time, as
    // published to the minute. At both the Sun's centre is 50' below the horizon without
    // refraction (34' of refraction and 16' of half-diameter).
    QTest::newRow("sunrise, 03:48 UTC") << 2460119.6583333333;
    QTest::newRow("sunset, 19:58 UTC") << 2460120.3319444444;
}

void TestPositions::sunAtPublishedSunriseAndSunset()
{
    QFETCH(double, jdUtc);
    const Site paris{48.8492, 2.35, 0};
    const double altitude = sky::sunAltitudeDeg(paris, jdUtc);
    // Within half a minute of time the Sun moves 0.06 degree in altitude there.
    QVERIFY2(std::fabs(altitude - -50.0 / 60) < 0.1,
             inputs(paris, jdUtc) + ": " + QByteArray::number(altitude));
}

void TestPositions::moonIlluminatedFraction_data()
{
    QTest::addColumn<double>("jdUtc");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("tolerance");

    // Meeus, Astronomical Algorithms, example 48.a: 1992 April 12 0h TD (TD - UT = 58.184 s),
    // k = 0.6786.
    QTest::newRow("Meeus 48.a") << 2448724.5 - 58.184 / 86400 << 0.6786 << 0.0005;
    // astropy 5.2.1: get_body('sun') and get_body('moon') at the Earth's centre, phase angle
    // i = atan2(R sin(psi), r - R cos(psi)) from their elongation psi, k = (1 + cos i) / 2.
    QTest::newRow("full Moon, 10 September 2022 09:59")
        << 2459832.915972222 << 0.9986166950902078 << 0.002;
    QTest::newRow("last quarter, 18 September 2022 01:27")
        << 2459840.560416667 << 0.48711258845317157 << 0.002;
    QTest::newRow("new Moon, 25 September 2022 21:55")
        << 2459848.4131944445 << 0.0008810750138730228 << 0.002;
    QTest::newRow("crescent, 24 June 2023 19:58") << 2460120.331944444 << 0.35905698547355913
                                                  << 0.002;
    QTest::newRow("gibbous, 3 January 2031 18:00") << 2462870.25 << 0.79284714508562 << 0.002;
}

void TestPositions::moonIlluminatedFraction()
{
    QFETCH(double, jdUtc);
    QFETCH(double, fraction);
    QFETCH(double, tolerance);
    const double actual = sky::moonIlluminatedFraction(jdUtc);
    QVERIFY2(std::fabs(actual - fraction) < tolerance,
             "JD " + QByteArray::number(jdUtc, 'f', 6) + ": " + QByteArray::number(actual, 'f', 5));
}

void TestPositions::algolHighestAltitude_data()
{
    QTest::addColumn<double>("latitudeDeg");
    QTest::addColumn<double>("highestDeg");

    // 90 - |latitude - declination| with Algol's J2000 declination +40 deg 57' 20.328" (SIMBAD).
    QTest::newRow("overhead") << 40.955647 << 90.0;
    QTest::newRow("Paris") << 48.85 << 82.105647;
    QTest::newRow("north pole") << 90.0 << 40.955647;
    QTest::newRow("equator") << 0.0 << 49.044353;
    QTest::newRow("grazes the horizon") << -49.044353 << 0.0;
    QTest::newRow("south pole") << -90.0 << -40.955647;
}

void TestPositions::algolHighestAltitude()
{
    QFETCH(double, latitudeDeg);
    QFETCH(double, highestDeg);
    const Site site{latitudeDeg, 2.35, 0};
    const double highest = sky::algolHighestAltitudeDeg(site);
    QVERIFY2(std::fabs(highest - highestDeg) < 1e-6, QByteArray::number(highest, 'f', 6));

    // Algol's altitude over one day of 2022, every 2 minutes, culminates there too (its
    // declination of date has moved by less than 0.1 degree since 2000).
    double culmination = -90;
    for (int step = 0; step < 720; ++step) {
        const double jd = 2459840.5 + step / 720.0;
        culmination = std::max(culmination, sky::algolHorizontal(site, jd).altitudeDeg);
    }
    QVERIFY2(std::fabs(culmination - highestDeg) < 0.15, QByteArray::number(culmination));
}

void TestPositions::unusualInputs()
{
    const Site paris{48.85, 2.35, 0};
    const double jd = 2459840.5;
    const double infinity = std::numeric_limits<double>::infinity();
    // Nothing to compute: NaN everywhere, and no crash.
    for (const double badJd : {kNaN, infinity, -infinity, 0.0, 1e300}) {
        const sky::SkyAtInstant sky = sky::skyAt(paris, badJd);
        QVERIFY(std::isnan(sky.algol.altitudeDeg) && std::isnan(sky.sun.azimuthDeg)
                && std::isnan(sky.moon.altitudeDeg) && std::isnan(sky.moonIlluminatedFraction));
        QVERIFY(std::isnan(sky::moonIlluminatedFraction(badJd)));
    }
    for (const Site &bad : {Site{kNaN, 0, 0}, Site{91, 0, 0}, Site{-90.5, 0, 0},
                            Site{48.85, infinity, 0}, Site{48.85, 2.35, kNaN}}) {
        QVERIFY(std::isnan(sky::skyAt(bad, jd).sun.altitudeDeg));
        QVERIFY(std::isnan(sky::sunAltitudeDeg(bad, jd)));
        QVERIFY(std::isnan(sky::algolHorizontal(bad, jd).altitudeDeg));
        QVERIFY(std::isnan(sky::moonHorizontal(bad, jd).azimuthDeg));
    }
    QVERIFY(std::isnan(sky::algolHighestAltitudeDeg(Site{kNaN, 0, 0})));
    QVERIFY(std::isnan(sky::algolHighestAltitudeDeg(Site{95, 0, 0})));

    // At the poles Algol's altitude is its declination, + or -, whatever the azimuth.
    for (const double pole : {90.0, -90.0}) {
        const sky::SkyAtInstant sky = sky::skyAt(Site{pole, 0, 0}, jd);
        QVERIFY2(std::fabs(sky.algol.altitudeDeg - std::copysign(40.96, pole)) < 0.2,
                 QByteArray::number(sky.algol.altitudeDeg));
        QVERIFY(std::isfinite(sky.moon.altitudeDeg) && std::isfinite(sky.sun.azimuthDeg));
    }
}

QTEST_APPLESS_MAIN(TestPositions)
#include "tst_positions.moc"
