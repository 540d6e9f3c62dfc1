// The orbit view, the phase sentence and the light-curve cursor of the main window.

#include "algol.h"
#include "clock.h"
#include "graphics.h"
#include "label.h"
#include "picturebox.h"

#include <QtTest>

#include <cmath>

namespace {

// The orbit view is 2910 x 2115 twips: the path's centre is (1455, 1057.5); B is 510 x 540.
constexpr double kCentreX = 1455.0;
constexpr double kCentreY = 1057.5;
constexpr double kHalfB_W = 255.0;
constexpr double kHalfB_H = 270.0;

const QString kLeaving = QStringLiteral("Sortie du minima primaire, La magnitude remonte rapidement.");
const QString kMaximum = QStringLiteral("Algol est à son maxima.");
const QString kSecondary = QStringLiteral("Minimum secondaire (non perspectible à l'oeil nu).");
const QString kApproach = QStringLiteral("Approche du minima primaire.");
const QString kFalling = QStringLiteral("Chute dans le minima primaire, la magnitude décroit rapidement.");

} // namespace

class TestStarViews : public QObject
{
    Q_OBJECT

    toolkit::ManualClock m_clock{QDateTime(QDate(2007, 3, 15), QTime(14, 0))};
    const ephemeris::RegionalSettings m_regional = ephemeris::RegionalSettings::french();

private slots:
    void companionPlace_data();
    void companionPlace();
    void sentence_data();
    void sentence();
    void cursor_data();
    void cursor();
    void orbitPathAndCentredPrimary();
    void whatTheUserSees();
};

void TestStarViews::companionPlace_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("centreY");
    QTest::addColumn<bool>("primaryInFront");
    // Ellipse of semi-axes 1000 and 100 twips; the angle is phase * 360 + 90 degrees.
    QTest::newRow("0: below the centre") << 0.0 << kCentreX << kCentreY + 100 << false;
    QTest::newRow("0.25: left end") << 0.25 << kCentreX - 1000 << kCentreY << false;
    QTest::newRow("just above 0.25") << std::nextafter(0.25, 1.0) << kCentreX - 1000 << kCentreY
                                     << true;
    QTest::newRow("0.5: above the centre") << 0.5 << kCentreX << kCentreY - 100 << true;
    QTest::newRow("just below 0.75") << std::nextafter(0.75, 0.0) << kCentreX + 1000 << kCentreY
                                     << true;
    QTest::newRow("0.75: right end") << 0.75 << kCentreX + 1000 << kCentreY << false;
    QTest::newRow("1: below the centre") << 1.0 << kCentreX << kCentreY + 100 << false;
    // -0.2 is 18 degrees: cos 18 = 0.9510565, sin 18 = 0.3090170.
    QTest::newRow("-0.2") << -0.2 << kCentreX + 951.0565 << kCentreY + 30.90170 << false;
}

void TestStarViews::companionPlace()
{
    QFETCH(double, phase);
    QFETCH(double, centreX);
    QFETCH(double, centreY);
    QFETCH(bool, primaryInFront);
    Algol window(m_clock, m_regional);
    window.CurrentPhase = phase;
    window.UpdateOrbitView();
    // pi is taken as 3.14159265, so the places are exact only to a few millionths of a twip.
    QVERIFY2(std::abs(window.B->left() - (centreX - kHalfB_W)) < 1e-3,
             qPrintable(QString::number(window.B->left(), 'f', 6)));
    QVERIFY2(std::abs(window.B->top() - (centreY - kHalfB_H)) < 1e-3,
             qPrintable(QString::number(window.B->top(), 'f', 6)));
    QCOMPARE(window.A->isInFrontOf(*window.B), primaryInFront);
    QCOMPARE(window.B->isInFrontOf(*window.A), !primaryInFront);
}

void TestStarViews::sentence_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("0") << 0.0 << kLeaving;
    QTest::newRow("0.09375") << 0.09375 << kLeaving;
    QTest::newRow("next double above 0.09375") << std::nextafter(0.09375, 1.0) << kMaximum;
    QTest::newRow("0.25") << 0.25 << kMaximum;
    QTest::newRow("0.4") << 0.4 << kMaximum;
    QTest::newRow("next double above 0.4") << std::nextafter(0.4, 1.0) << kSecondary;
    QTest::newRow("0.5") << 0.5 << kSecondary;
    QTest::newRow("0.6") << 0.6 << kSecondary;
    QTest::newRow("0.7") << 0.7 << kMaximum;
    QTest::newRow("0.85") << 0.85 << kMaximum;
    QTest::newRow("0.87") << 0.87 << kApproach;
    QTest::newRow("0.9") << 0.9 << kApproach;
    QTest::newRow("0.95") << 0.95 << kFalling;
    QTest::newRow("1") << 1.0 << kFalling;
    QTest::newRow("next double above 1") << std::nextafter(1.0, 2.0) << QString();
    QTest::newRow("next double below 0") << std::nextafter(0.0, -1.0) << QString();
    QTest::newRow("-2900.3") << -2900.3 << QString();
}

void TestStarViews::sentence()
{
    QFETCH(double, phase);
    QFETCH(QString, sentence);
    Algol window(m_clock, m_regional);
    window.CurrentPhase = phase;
    window.UpdateOrbitView();
    QCOMPARE(window.Label9->text(), sentence);
}

void TestStarViews::cursor_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<float>("x");
    // The cursor runs from Line1 (1425) at phase 0 to Line2 (6420) at phase 1, unclamped.
    QTest::newRow("0") << 0.0 << 1425.0f;
    QTest::newRow("0.5") << 0.5 << 3922.5f;
    QTest::newRow("1") << 1.0 << 6420.0f;
    QTest::newRow("-0.2") << -0.2 << 426.0f;
    QTest::newRow("1.2") << 1.2 << 7419.0f;
}

void TestStarViews::cursor()
{
    QFETCH(double, phase);
    QFETCH(float, x);
    Algol window(m_clock, m_regional);
    window.CurrentPhase = phase;
    window.UpdateLightCurveCursor();
    QCOMPARE(window.Magnitude->x1(), x);
    QCOMPARE(window.Magnitude->x2(), window.Magnitude->x1());
    QCOMPARE(window.Magnitude->y1(), 720.0f);
    QCOMPARE(window.Magnitude->y2(), 3885.0f);
}

void TestStarViews::orbitPathAndCentredPrimary()
{
    Algol window(m_clock, m_regional);
    window.DrawOrbitPath();
    // A (675 x 735) centred on (1455, 1057.5).
    QCOMPARE(window.A->left(), 1117.5f);
    QCOMPARE(window.A->top(), 690.0f);
    const auto &points = window.Picture1->points();
    QCOMPARE(points.size(), std::size_t(361));
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const QPointF &p : points) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    // The path spans x from 455 to 2455 and y from 957.5 to 1157.5.
    QVERIFY(std::abs(minX - 455) < 1e-3 && std::abs(maxX - 2455) < 1e-3);
    QVERIFY(std::abs(minY - 957.5) < 1e-3 && std::abs(maxY - 1157.5) < 1e-3);
    // The last dot, at 361 degrees, falls on the first.
    QVERIFY(std::abs(points.front().x() - points.back().x()) < 1e-3);
}

void TestStarViews::whatTheUserSees()
{
    Algol window(m_clock, m_regional);
    window.Form_Load();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.CurrentPhase = 0.25;
    window.UpdateOrbitView();
    window.UpdateLightCurveCursor();

    const QPoint origin = window.Picture1->drawingOrigin();
    const auto pixelAt = [&](double xTwips, double yTwips) {
        const QImage image = window.Picture1->grab().toImage();
        return image.pixelColor(origin + QPoint(int(xTwips / 15), int(yTwips / 15)));
    };
    QCOMPARE(pixelAt(kCentreX, kCentreY), QColor(255, 255, 0));        // A
    QCOMPARE(pixelAt(kCentreX - 1000, kCentreY), QColor(255, 0, 0));   // B at the left end
    // A dot of the path at 300 degrees, away from both stars.
    const double r = 300.0 / 180 * 3.14159265;
    QCOMPARE(pixelAt(kCentreX + 1000 * std::cos(r), kCentreY + 100 * std::sin(r)),
             window.palette().color(QPalette::WindowText));

    window.Picture1_Click();
    const QImage panel = window.grab().toImage();
    // The cursor at phase 0.25 stands at 2673.75 twips, three pixels wide.
    const int cursorColumn = int(2673.75 / 15);
    QCOMPARE(panel.pixelColor(cursorColumn, 2000 / 15), QColor(255, 0, 0));
    QVERIFY(panel.pixelColor(cursorColumn + 10, 2000 / 15) != QColor(255, 0, 0));
}

QTEST_MAIN(TestStarViews)
#include "tst_starviews.moc"
