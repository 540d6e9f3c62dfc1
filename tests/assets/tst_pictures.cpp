// The pictures as the program gets them from the assets library: present, at their pixel sizes,
// and with the geometry that the windows rely on, read from the pictures' pixels.

#include "pictures.h"

#include <QFile>
#include <QImage>
#include <QtTest>

#include <cmath>
#include <set>

using assets::Picture;

Q_DECLARE_METATYPE(assets::Picture)

namespace {

// The light curve's stated geometry, as the main window lays its marks and cursor over it.
constexpr int kFrameLeft = 86;
constexpr int kFrameRight = 476;
constexpr int kFrameTop = 52;
constexpr int kFrameBottom = 309;
constexpr int kPhase0X = 103;
constexpr int kPixelsPerQuarter = 89;

double magnitudeAtRow(double y)
{
    return 2.0 + (y - kFrameTop) * (3.4 - 2.0) / (kFrameBottom - kFrameTop);
}

QImage lightCurve()
{
    return assets::picture(Picture::LightCurve).toImage().convertToFormat(QImage::Format_RGB32);
}

bool isDark(QRgb pixel)
{
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}

// The curve is drawn in a deep blue on the cream ground; grid and frame are grey and black.
bool isCurve(QRgb pixel)
{
    return qBlue(pixel) > qRed(pixel) + 80 && qBlue(pixel) > qGreen(pixel) + 80;
}

// Columns inside the plot frame that hold a dashed vertical line: marked over a good part of the
// plot's height, in many separate dashes.
std::set<int> dashedColumns(const QImage &image)
{
    const QRgb background = image.pixel(2, 2);
    std::set<int> columns;
    for (int x = kFrameLeft + 1; x < kFrameRight; ++x) {
        int marked = 0;
        int dashes = 0;
        bool inDash = false;
        for (int y = kFrameTop + 1; y < kFrameBottom; ++y) {
            const QRgb pixel = image.pixel(x, y);
            const bool mark = pixel != background && !isCurve(pixel);
            marked += mark;
            dashes += mark && !inDash;
            inDash = mark;
        }
        if (marked > (kFrameBottom - kFrameTop) * 4 / 10 && dashes >= 20)
            columns.insert(x);
    }
    return columns;
}

bool hasColumnNear(const std::set<int> &columns, int x)
{
    return columns.count(x - 1) || columns.count(x) || columns.count(x + 1);
}

// The lowest (faintest) point of the curve within a few columns of x, in picture rows.
int deepestCurveRow(const QImage &image, int x)
{
    int deepest = -1;
    for (int column = x - 3; column <= x + 3; ++column) {
        for (int y = kFrameTop; y <= kFrameBottom; ++y) {
            if (isCurve(image.pixel(column, y)))
                deepest = std::max(deepest, y);
        }
    }
    return deepest;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictureSize_data();
    void pictureSize();
    void resourcesAreLinked();
    void starIcon();
    void iconCorner_data();
    void iconCorner();
    void chartSky_data();
    void chartSky();
    void lightCurvePhaseGrid_data();
    void lightCurvePhaseGrid();
    void lightCurveHasNoOtherDashedColumns();
    void lightCurveFrame_data();
    void lightCurveFrame();
    void lightCurveMagnitudeGrid_data();
    void lightCurveMagnitudeGrid();
    void lightCurveLevels_data();
    void lightCurveLevels();
};

void TestPictures::pictureSize_data()
{
    QTest::addColumn<Picture>("which");
    QTest::addColumn<QSize>("size");
    QTest::newRow("star icon") << Picture::StarIcon << QSize(32, 32);
    QTest::newRow("stopwatch") << Picture::Stopwatch << QSize(32, 32);
    QTest::newRow("stopwatch stopped") << Picture::StopwatchStopped << QSize(32, 32);
    QTest::newRow("light curve") << Picture::LightCurve << QSize(493, 359);
    QTest::newRow("orbit phases") << Picture::OrbitPhases << QSize(456, 296);
    QTest::newRow("chart with magnitudes") << Picture::ChartMagnitudes << QSize(1024, 712);
    QTest::newRow("chart with names") << Picture::ChartNames << QSize(1024, 712);
    QTest::newRow("sky chart") << Picture::ChartSky << QSize(1024, 712);
}

void TestPictures::pictureSize()
{
    QFETCH(Picture, which);
    QFETCH(QSize, size);
    const QPixmap pixmap = assets::picture(which);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);
}

void TestPictures::resourcesAreLinked()
{
    // This test links only the static assets library: its resources must have come along.
    QVERIFY(QFile::exists(QStringLiteral(":/pictures/light-curve.png")));
    QVERIFY(QFile::exists(QStringLiteral(":/pictures/chart-sky.png")));
}

void TestPictures::starIcon()
{
    const QIcon icon = assets::starIcon();
    QVERIFY(!icon.isNull());
    // Each size drawn for itself, not scaled from another.
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {32, 64})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(icon.pixmap(64, 64).size(), QSize(64, 64));
}

void TestPictures::iconCorner_data()
{
    QTest::addColumn<Picture>("which");
    QTest::addColumn<bool>("redCorner");
    // The crossed-out stopwatch's X runs from corner to corner; the others leave the corners
    // transparent.
    QTest::newRow("star icon") << Picture::StarIcon << false;
    QTest::newRow("stopwatch") << Picture::Stopwatch << false;
    QTest::newRow("stopwatch stopped") << Picture::StopwatchStopped << true;
}

void TestPictures::iconCorner()
{
    QFETCH(Picture, which);
    QFETCH(bool, redCorner);
    const QImage image = assets::picture(which).toImage().convertToFormat(QImage::Format_ARGB32);
    for (const QPoint corner : {QPoint(3, 3), QPoint(28, 3), QPoint(3, 28), QPoint(28, 28)}) {
        const QRgb pixel = image.pixel(corner);
        if (redCorner) {
            QVERIFY2(qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 80,
                     qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        } else {
            QVERIFY2(qAlpha(pixel) < 40,
                     qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        }
    }
    if (which == Picture::StarIcon) { // a bright white-yellow core
        const QRgb core = image.pixel(16, 16);
        QVERIFY(qAlpha(core) == 255 && qRed(core) > 240 && qGreen(core) > 220);
    }
}

void TestPictures::chartSky_data()
{
    QTest::addColumn<Picture>("which");
    QTest::addColumn<bool>("blue");
    QTest::newRow("chart with magnitudes") << Picture::ChartMagnitudes << false;
    QTest::newRow("chart with names") << Picture::ChartNames << false;
    QTest::newRow("sky chart") << Picture::ChartSky << true;
}

// Most of a chart is its sky: black on the charts of Perseus' region, dark blue on the sky chart.
void TestPictures::chartSky()
{
    QFETCH(Picture, which);
    QFETCH(bool, blue);
    const QImage image = assets::picture(which).toImage().convertToFormat(QImage::Format_RGB32);
    int sky = 0;
    int samples = 0;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            const QRgb pixel = image.pixel(x, y);
            const bool isSky = blue ? qBlue(pixel) > 60 && qBlue(pixel) > qRed(pixel) + 40
                                          && qRed(pixel) < 60 && qGreen(pixel) < 60
                                    : isDark(pixel);
            sky += isSky;
            ++samples;
        }
    }
    QVERIFY2(sky > samples * 9 / 10, qPrintable(QStringLiteral("%1 of %2").arg(sky).arg(samples)));
}

void TestPictures::lightCurvePhaseGrid_data()
{
    QTest::addColumn<int>("x");
    QTest::newRow("phase 0") << kPhase0X;
    QTest::newRow("phase 1/4") << kPhase0X + kPixelsPerQuarter;
    QTest::newRow("phase 1/2") << kPhase0X + 2 * kPixelsPerQuarter;
    QTest::newRow("phase 3/4") << kPhase0X + 3 * kPixelsPerQuarter;
    QTest::newRow("phase 1") << 459;
}

void TestPictures::lightCurvePhaseGrid()
{
    QFETCH(int, x);
    const std::set<int> columns = dashedColumns(lightCurve());
    QVERIFY2(hasColumnNear(columns, x), qPrintable(QStringLiteral("no dashed line at x %1").arg(x)));
}

void TestPictures::lightCurveHasNoOtherDashedColumns()
{
    for (int x : dashedColumns(lightCurve())) {
        const int quarter = int(std::lround(double(x - kPhase0X) / kPixelsPerQuarter));
        QVERIFY2(std::abs(x - (kPhase0X + quarter * kPixelsPerQuarter)) <= 1,
                 qPrintable(QStringLiteral("stray dashed line at x %1").arg(x)));
    }
}

void TestPictures::lightCurveFrame_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("at");
    QTest::newRow("top, magnitude 2.0") << true << kFrameTop;
    QTest::newRow("bottom, magnitude 3.4") << true << kFrameBottom;
    QTest::newRow("left") << false << kFrameLeft;
    QTest::newRow("right") << false << kFrameRight;
}

// Each side of the frame is one unbroken dark line of one pixel, exactly in its place.
void TestPictures::lightCurveFrame()
{
    QFETCH(bool, horizontal);
    QFETCH(int, at);
    const QImage image = lightCurve();
    const auto darkAlong = [&](int line) {
        int dark = 0;
        const int from = horizontal ? kFrameLeft : kFrameTop;
        const int to = horizontal ? kFrameRight : kFrameBottom;
        for (int i = from; i <= to; ++i)
            dark += isDark(horizontal ? image.pixel(i, line) : image.pixel(line, i));
        return double(dark) / (to - from + 1);
    };
    QCOMPARE(darkAlong(at), 1.0);
    QVERIFY(darkAlong(at - 1) < 0.5);
    QVERIFY(darkAlong(at + 1) < 0.5);
}

void TestPictures::lightCurveMagnitudeGrid_data()
{
    QTest::addColumn<double>("magnitude");
    for (const double magnitude : {2.2, 2.4, 2.6, 2.8, 3.0, 3.2})
        QTest::newRow(qPrintable(QString::number(magnitude, 'f', 1))) << magnitude;
}

// A horizontal grid line across the plot every 0.2 magnitude, 36.7 pixels apart.
void TestPictures::lightCurveMagnitudeGrid()
{
    QFETCH(double, magnitude);
    const QImage image = lightCurve();
    const QRgb background = image.pixel(2, 2);
    const double expected = kFrameTop + (magnitude - 2.0) / 1.4 * (kFrameBottom - kFrameTop);
    bool found = false;
    for (int y = int(std::floor(expected)) - 1; y <= int(std::ceil(expected)) + 1; ++y) {
        int marked = 0;
        for (int x = kFrameLeft + 1; x < kFrameRight; ++x)
            marked += image.pixel(x, y) != background;
        found = found || marked > (kFrameRight - kFrameLeft) * 9 / 10;
    }
    QVERIFY2(found, qPrintable(QStringLiteral("no grid line near y %1").arg(expected)));
}

void TestPictures::lightCurveLevels_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<double>("tolerance");
    // The levels of Algol's curve: about 3.35 at the primary minimum, about 2.1 to 2.2 outside
    // the eclipses, a shallow dip to about 2.2 at the secondary minimum.
    QTest::newRow("primary minimum") << 0.0 << 3.35 << 0.05;
    QTest::newRow("next primary minimum") << 1.0 << 3.35 << 0.05;
    QTest::newRow("first quadrature") << 0.25 << 2.15 << 0.06;
    QTest::newRow("secondary minimum") << 0.5 << 2.2 << 0.05;
    QTest::newRow("second quadrature") << 0.75 << 2.15 << 0.06;
}

void TestPictures::lightCurveLevels()
{
    QFETCH(double, phase);
    QFETCH(double, magnitude);
    QFETCH(double, tolerance);
    const int x = kPhase0X + int(std::lround(phase * 4 * kPixelsPerQuarter));
    const int row = deepestCurveRow(lightCurve(), x);
    QVERIFY2(row >= 0, "no curve there");
    const double measured = magnitudeAtRow(row);
    QVERIFY2(std::abs(measured - magnitude) <= tolerance,
             qPrintable(QStringLiteral("phase %1: magnitude %2 at row %3, expected %4")
                            .arg(phase).arg(measured).arg(row).arg(magnitude)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
