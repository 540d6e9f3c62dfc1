// The eclipse model behind the light curve: the light hidden by one disc in front of another,
// checked against plane geometry, and the curve's levels against Algol's observed ones.

#include "eclipsemodel.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using eclipses::StarDisc;

namespace {

// Area shared by two circles of radii r and s whose centres are d apart (the lens between them).
double lensArea(double r, double s, double d)
{
    const double kite = std::sqrt((-d + r + s) * (d + r - s) * (d - r + s) * (d + r + s));
    return r * r * std::acos((d * d + r * r - s * s) / (2 * d * r))
           + s * s * std::acos((d * d + s * s - r * r) / (2 * d * s)) - kite / 2;
}

} // namespace

class TestEclipseModel : public QObject
{
    Q_OBJECT

private slots:
    void uniformDiscHidesItsOverlap_data();
    void uniformDiscHidesItsOverlap();
    void limbDarkening();
    void algolLevels_data();
    void algolLevels();
    void curveRepeatsEachPeriod();
    void tableFollowsTheModel();
};

void TestEclipseModel::uniformDiscHidesItsOverlap_data()
{
    QTest::addColumn<double>("backRadius");
    QTest::addColumn<double>("frontRadius");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("hidden");
    const double lens = lensArea(0.3, 0.2, 0.15) / (std::numbers::pi * 0.3 * 0.3);
    QTest::newRow("partial, smaller in front") << 0.3 << 0.2 << 0.15 << lens;
    QTest::newRow("partial, larger in front")
        << 0.2 << 0.3 << 0.15 << lensArea(0.2, 0.3, 0.15) / (std::numbers::pi * 0.2 * 0.2);
    QTest::newRow("apart") << 0.2 << 0.25 << 0.5 << 0.0;
    QTest::newRow("just touching") << 0.2 << 0.25 << 0.45 << 0.0;
    QTest::newRow("back wholly covered") << 0.2 << 0.3 << 0.05 << 1.0;
    QTest::newRow("small disc across the middle") << 0.3 << 0.1 << 0.0 << 1.0 / 9;
}

// Without limb darkening the hidden light is the hidden area's share of the back disc.
void TestEclipseModel::uniformDiscHidesItsOverlap()
{
    QFETCH(double, backRadius);
    QFETCH(double, frontRadius);
    QFETCH(double, distance);
    QFETCH(double, hidden);
    const double model = eclipses::hiddenLight(StarDisc{backRadius, 0.0}, frontRadius, distance);
    QVERIFY2(std::abs(model - hidden) < 1e-3,
             qPrintable(QStringLiteral("hidden %1, expected %2").arg(model).arg(hidden)));
}

// A limb-darkened disc is brightest in its middle: a small disc in front of the middle hides more
// than its area's share, the same disc near the limb less. With I(mu) = 1 - u (1 - mu) the middle
// is 1 / (1 - u / 3) = 1.25 times the mean brightness for u = 0.6, and at 0.25 of a radius of
// 0.3 (mu = 0.55) about 0.92 times.
void TestEclipseModel::limbDarkening()
{
    const StarDisc darkened{0.3, 0.6};
    const double share = 0.02 * 0.02 / (0.3 * 0.3);
    const double middle = eclipses::hiddenLight(darkened, 0.02, 0.0) / share;
    const double nearLimb = eclipses::hiddenLight(darkened, 0.02, 0.25) / share;
    QVERIFY2(std::abs(middle - 1.25) < 0.01, qPrintable(QString::number(middle)));
    QVERIFY2(std::abs(nearLimb - 0.915) < 0.02, qPrintable(QString::number(nearLimb)));
}

void TestEclipseModel::algolLevels_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Algol: about 2.1 to 2.2 outside the eclipses, 3.3 to 3.4 at the primary minimum, a
    // secondary minimum a few hundredths of a magnitude deep; the primary eclipse lasts about
    // ten hours of the 68.8-hour period, so it is over 5 hours (0.073 period) from the minimum.
    QTest::newRow("primary minimum") << 0.0 << 3.30 << 3.40;
    QTest::newRow("quadrature") << 0.25 << 2.10 << 2.20;
    QTest::newRow("secondary minimum") << 0.5 << 2.17 << 2.25;
    QTest::newRow("6 hours after the minimum") << 6.0 / 68.8 << 2.10 << 2.20;
    QTest::newRow("2 hours after the minimum") << 2.0 / 68.8 << 2.60 << 3.30;
}

void TestEclipseModel::algolLevels()
{
    QFETCH(double, phase);
    QFETCH(double, low);
    QFETCH(double, high);
    const double magnitude = eclipses::algolMagnitude(phase);
    QVERIFY2(magnitude >= low && magnitude <= high,
             qPrintable(QStringLiteral("phase %1: magnitude %2").arg(phase).arg(magnitude)));
}

void TestEclipseModel::curveRepeatsEachPeriod()
{
    for (const double phase : {0.0, 0.03, 0.25, 0.5, 0.97}) {
        QVERIFY(std::abs(eclipses::algolMagnitude(phase) - eclipses::algolMagnitude(phase + 1))
                < 1e-9);
        // and is symmetric about the minimum, the orbit being circular
        QVERIFY(std::abs(eclipses::algolMagnitude(phase) - eclipses::algolMagnitude(-phase))
                < 1e-9);
    }
}

// The tabulated curve against the model itself, at phases that fall between the table's nodes,
// across both eclipses, their contacts and the level between them, and a period further on.
void TestEclipseModel::tableFollowsTheModel()
{
    const double halfWidth = eclipses::primaryEclipseHalfWidth();
    QVERIFY2(halfWidth > 4.5 / 68.8 && halfWidth < 5.5 / 68.8, qPrintable(QString::number(halfWidth)));
    double worst = 0;
    for (double phase = -0.6; phase <= 1.6; phase += 0.000713) {
        const double error = std::abs(eclipses::algolMagnitudeFast(phase) - eclipses::algolMagnitude(phase));
        QVERIFY2(error < 1e-4, qPrintable(QStringLiteral("phase %1: off by %2").arg(phase).arg(error)));
        worst = std::max(worst, error);
    }
    QVERIFY(worst > 0); // the sweep did cross the eclipses
    QVERIFY(std::isnan(eclipses::algolMagnitudeFast(std::nan(""))));
}

QTEST_APPLESS_MAIN(TestEclipseModel)
#include "tst_eclipsemodel.moc"
