// The phenomenological eclipse profile of the stars without their own model, and the light curve
// that each star is given.
//
// Reference values from python3 (math only), writing Mikulasek's (2015, A&A 584, A8) profile out
// again: X = acosh(1 - ln(1 - 0.99^(1/0.8))) = 2.3677046, shape(f) = (1 - (1 - exp(1 -
// cosh(f X)))^0.8 - 0.01) / 0.99, m = max + depth * shape(offset / halfWidth); half the depth at
// f = acosh(1 - ln(1 - 0.495^(1/0.8))) / X = 0.41997046 (psi = 0.505 there).

#include "eclipsemodel.h"
#include "eclipseprofile.h"
#include "lightcurve.h"
#include "starcatalogue.h"

#include <QTest>

#include <cmath>
#include <limits>

using sky::EclipseProfile;

namespace {

constexpr double kHalfDepthFraction = 0.41997045856823;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestEclipseProfile : public QObject
{
    Q_OBJECT

private slots:
    void magnitudes_data();
    void magnitudes();
    void symmetricAndFlatOutside();
    void widthAtHalfDepthIsTheCatalogueD();
    void followsAlgolsModel();
    void unusableShapes();
    void lightCurves_data();
    void lightCurves();
    void algolsCurveIsItsModel();
    void betaLyraeContinuous();
};

void TestEclipseProfile::magnitudes_data()
{
    QTest::addColumn<QString>("star");
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("magnitude");

    // β Per: 2.12 to 3.39, D 9.6 h, P 2.867326 d (half-width 0.069751 in phase).
    QTest::newRow("β Per, minimum") << "bet Per" << 0.0 << 3.39;
    QTest::newRow("β Per, 0.01") << "bet Per" << 0.01 << 3.261216;
    QTest::newRow("β Per, -0.05") << "bet Per" << -0.05 << 2.276160;
    QTest::newRow("β Per, no secondary") << "bet Per" << 0.5 << 2.12;
    // λ Tau: 3.37, 3.91 and secondary 3.54, D 14.2 h, P 3.9529478 d.
    QTest::newRow("λ Tau, 0.02") << "lam Tau" << 0.02 << 3.767398;
    QTest::newRow("λ Tau, 0.48") << "lam Tau" << 0.48 << 3.495107;
    QTest::newRow("λ Tau, secondary") << "lam Tau" << 0.5 << 3.54;
}

void TestEclipseProfile::magnitudes()
{
    QFETCH(QString, star);
    QFETCH(double, phase);
    QFETCH(double, magnitude);
    const auto profile = EclipseProfile::ofStar(*sky::findStar(star.toStdString()));
    QVERIFY(profile);
    QVERIFY2(std::fabs(profile->magnitude(phase) - magnitude) < 1e-6,
             qPrintable(QString::number(profile->magnitude(phase), 'f', 8)));
}

void TestEclipseProfile::symmetricAndFlatOutside()
{
    const auto profile = EclipseProfile::fromShape(6.0, 7.0, 6.5, 0.2);
    QVERIFY(profile);
    QCOMPARE(profile->primaryEclipseHalfWidth(), 0.1);
    for (int i = 0; i <= 1000; ++i) {
        const double phase = i / 1000.0;
        QCOMPARE(profile->magnitude(-phase), profile->magnitude(phase));
        QCOMPARE(profile->magnitude(0.5 - phase), profile->magnitude(0.5 + phase));
        if (std::fabs(phase - 0.25) >= 0.15)
            continue;
        QCOMPARE(profile->magnitude(phase), 6.0); // between the eclipses: exactly the maximum
    }
    QVERIFY(profile->magnitude(0.0999) > 6.0);
    QVERIFY(std::isnan(profile->magnitude(kNaN)));
}

void TestEclipseProfile::widthAtHalfDepthIsTheCatalogueD()
{
    for (const sky::Star &star : sky::starCatalogue()) {
        const auto profile = EclipseProfile::ofStar(star);
        QCOMPARE(profile.has_value(), star.primaryEclipseHours.has_value());
        if (!profile)
            continue;
        const double half = (star.maximumMagnitude + star.primaryMinimumMagnitude) / 2;
        double inside = 0, outside = profile->primaryEclipseHalfWidth();
        for (int i = 0; i < 60; ++i) {
            const double middle = (inside + outside) / 2;
            (profile->magnitude(middle) > half ? inside : outside) = middle;
        }
        const double widthHours = 2 * inside * star.elements.period * 24;
        QVERIFY2(std::fabs(widthHours - kHalfDepthFraction * *star.primaryEclipseHours) < 1e-9,
                 qPrintable(QString::number(widthHours - kHalfDepthFraction * *star.primaryEclipseHours)));
    }
}

void TestEclipseProfile::followsAlgolsModel()
{
    // The shape against Algol's physical model (ephemeris/eclipsemodel.h), each over its own
    // half-width: within 2 % of the depth.
    const double halfWidth = eclipses::primaryEclipseHalfWidth();
    const double maximum = eclipses::algolMagnitude(0.25);
    const double depth = eclipses::algolMagnitude(0) - maximum;
    for (int i = 0; i <= 100; ++i) {
        const double model = (eclipses::algolMagnitude(i / 100.0 * halfWidth) - maximum) / depth;
        QVERIFY2(std::fabs(sky::eclipseShape(i / 100.0, 1) - model) < 0.02, qPrintable(QString::number(i)));
    }
}

void TestEclipseProfile::unusableShapes()
{
    QVERIFY(!EclipseProfile::fromShape(6.0, 5.0, std::nullopt, 0.1));  // minimum brighter
    QVERIFY(!EclipseProfile::fromShape(6.0, 7.0, 5.9, 0.1));           // secondary brighter
    QVERIFY(!EclipseProfile::fromShape(6.0, 7.0, std::nullopt, 0.5));  // eclipses overlap
    QVERIFY(!EclipseProfile::fromShape(kNaN, 7.0, std::nullopt, 0.1));
    QVERIFY(!EclipseProfile::fromShape(6.0, 7.0, std::nullopt, kNaN));
    QVERIFY(!EclipseProfile::ofStar(*sky::findStar("bet Lyr"))); // no D
}

// Each star's curve at a few phases: Algol's own model, another star's profile (the values of
// magnitudes() above), beta Lyr's continuous double wave by hand: maximum 3.25, minima 4.36 and
// 3.85, m = 3.25 + depth * cos^2(2 pi phase) (cos^2 = 1/2 at 1/8 and 5/8, 1/4 at 1/6).
void TestEclipseProfile::lightCurves_data()
{
    QTest::addColumn<QString>("star");
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<double>("halfWidth");
    QTest::newRow("λ Tau, 0.02") << "lam Tau" << 0.02 << 3.767398 << 14.2 / 2 / 24 / 3.9529478;
    QTest::newRow("λ Tau, secondary") << "lam Tau" << 0.5 << 3.54 << 14.2 / 2 / 24 / 3.9529478;
    QTest::newRow("β Lyr, primary") << "bet Lyr" << 0.0 << 4.36 << 0.25;
    QTest::newRow("β Lyr, 1/8") << "bet Lyr" << 0.125 << 3.805 << 0.25;
    QTest::newRow("β Lyr, 1/6") << "bet Lyr" << 1 / 6.0 << 3.5275 << 0.25;
    QTest::newRow("β Lyr, quadrature") << "bet Lyr" << 0.25 << 3.25 << 0.25;
    QTest::newRow("β Lyr, secondary") << "bet Lyr" << 0.5 << 3.85 << 0.25;
    QTest::newRow("β Lyr, 5/8") << "bet Lyr" << 0.625 << 3.55 << 0.25;
    QTest::newRow("β Lyr, -1/8 folded") << "bet Lyr" << -0.125 << 3.805 << 0.25;
    QTest::newRow("β Lyr, 3/4") << "bet Lyr" << 0.75 << 3.25 << 0.25;
}

void TestEclipseProfile::lightCurves()
{
    QFETCH(QString, star);
    QFETCH(double, phase);
    QFETCH(double, magnitude);
    QFETCH(double, halfWidth);
    const sky::Star &s = *sky::findStar(star.toStdString());
    const sky::LightCurve curve = sky::LightCurve::ofStar(s);
    QVERIFY2(std::fabs(curve.magnitude(phase) - magnitude) < 1e-6,
             qPrintable(QString::number(curve.magnitude(phase), 'f', 8)));
    QVERIFY(std::fabs(curve.primaryEclipseHalfWidth() - halfWidth) < 1e-12);
    QCOMPARE(curve.hasEclipses(), s.primaryEclipseHours.has_value());
    QVERIFY(std::isnan(curve.magnitude(kNaN)));
}

// Algol's curve is the model's fast table to the bit, so that the planner draws what it drew.
void TestEclipseProfile::algolsCurveIsItsModel()
{
    const sky::LightCurve curve = sky::LightCurve::ofStar(sky::algolStar());
    for (int i = -1000; i <= 3000; ++i)
        QCOMPARE(curve.magnitude(i / 1000.0 + 1e-4), eclipses::algolMagnitudeFast(i / 1000.0 + 1e-4));
    QCOMPARE(curve.primaryEclipseHalfWidth(), eclipses::primaryEclipseHalfWidth());
    QVERIFY(curve.hasEclipses());
}

// beta Lyr's light changes everywhere except at its extremes, its slope continuous where the two
// halves of the curve meet (zero at the quadratures), and it never leaves the catalogue's range.
void TestEclipseProfile::betaLyraeContinuous()
{
    const sky::LightCurve curve = sky::LightCurve::ofStar(*sky::findStar("bet Lyr"));
    constexpr double h = 1e-6;
    for (const double quadrature : {0.25, 0.75}) {
        const double before = (curve.magnitude(quadrature) - curve.magnitude(quadrature - h)) / h;
        const double after = (curve.magnitude(quadrature + h) - curve.magnitude(quadrature)) / h;
        QVERIFY2(std::fabs(before) < 1e-4 && std::fabs(after) < 1e-4, qPrintable(QString::number(quadrature)));
    }
    for (int i = 1; i < 1000; ++i) {
        const double phase = i / 1000.0;
        const double m = curve.magnitude(phase);
        QVERIFY(m >= 3.25 && m <= 4.36);
        if (i != 250 && i != 500 && i != 750)
            QVERIFY2(curve.magnitude(phase + 1e-4) != m, qPrintable(QString::number(phase)));
    }
}

QTEST_APPLESS_MAIN(TestEclipseProfile)
#include "tst_eclipseprofile.moc"
