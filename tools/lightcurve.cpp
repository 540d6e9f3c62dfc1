#include "drawings.h"
#include "eclipsemodel.h"
#include "lettering.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

// The light curve of Algol over one period and a little beyond. Its geometry is fixed, because
// the main window lays its phase marks and its cursor over the picture: the plot frame runs from
// x 86 to 476 and y 52 to 309, phase 0 lies at x 103 and phase 1 at x 459 (89 pixels a quarter),
// magnitude 2.0 at y 52 and 3.4 at y 309. Lines and grid are drawn on whole pixels without
// anti-aliasing so that they stand exactly there.

namespace {

constexpr int kWidth = 493;
constexpr int kHeight = 359;
constexpr int kFrameLeft = 86;
constexpr int kFrameRight = 476;
constexpr int kFrameTop = 52;
constexpr int kFrameBottom = 309;
constexpr int kPhase0X = 103;
constexpr int kPhase1X = 459;
constexpr double kTopMagnitude = 2.0;
constexpr double kBottomMagnitude = 3.4;
constexpr double kGridMagnitudeStep = 0.2;

const QColor kCream(255, 250, 222);
const QColor kGridRowColour(205, 195, 160);
const QColor kGridColumnColour(110, 110, 110);
const QColor kCurveColour(0, 0, 150);

double xOfPhase(double phase)
{
    return kPhase0X + (kPhase1X - kPhase0X) * phase;
}

double yOfMagnitude(double magnitude)
{
    return kFrameTop + (magnitude - kTopMagnitude) / (kBottomMagnitude - kTopMagnitude)
                           * (kFrameBottom - kFrameTop);
}

// The phases at which the curve has a point: every 1/40 period, every 1/80 within the eclipses.
std::vector<double> samplePhases()
{
    std::vector<double> phases;
    for (int k = -3; k <= 83; ++k) {
        const double phase = k / 80.0;
        const double fromPrimary = std::abs(phase - std::round(phase));
        if (k % 2 == 0 || fromPrimary < 0.1)
            phases.push_back(phase);
    }
    return phases;
}

void drawGrid(QPainter &painter)
{
    const int gridRows = int(std::lround((kBottomMagnitude - kTopMagnitude) / kGridMagnitudeStep));
    for (int k = 1; k < gridRows; ++k) {
        const int y = int(std::lround(yOfMagnitude(kTopMagnitude + k * kGridMagnitudeStep)));
        painter.fillRect(kFrameLeft, y, kFrameRight - kFrameLeft + 1, 1, kGridRowColour);
    }
    constexpr int kDash = 4;
    constexpr int kGap = 3;
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const int x = int(std::lround(xOfPhase(quarter / 4.0)));
        for (int y = kFrameTop + 1; y < kFrameBottom; y += kDash + kGap)
            painter.fillRect(x, y, 1, std::min(kDash, kFrameBottom - y), kGridColumnColour);
    }
}

void drawFrame(QPainter &painter)
{
    const int width = kFrameRight - kFrameLeft + 1;
    const int height = kFrameBottom - kFrameTop + 1;
    painter.fillRect(kFrameLeft, kFrameTop, width, 1, Qt::black);
    painter.fillRect(kFrameLeft, kFrameBottom, width, 1, Qt::black);
    painter.fillRect(kFrameLeft, kFrameTop, 1, height, Qt::black);
    painter.fillRect(kFrameRight, kFrameTop, 1, height, Qt::black);
}

void drawCurve(QPainter &painter)
{
    QPolygonF points;
    for (double phase : samplePhases()) {
        points.append(QPointF(std::round(xOfPhase(phase)) + 0.5,
                              std::round(yOfMagnitude(eclipses::algolMagnitude(phase))) + 0.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kCurveColour, 1.2));
    painter.drawPolyline(points);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QPointF &point : points)
        painter.fillRect(int(point.x()) - 2, int(point.y()) - 2, 5, 5, kCurveColour);
}

void drawLabels(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);
    const double centreX = (kFrameLeft + kFrameRight) / 2.0;

    const Lettering title(Lettering::Face::Comic, 24);
    title.drawCentred(painter, QPointF(centreX, 36), QStringLiteral("Algol"));

    const Lettering ticks(Lettering::Face::Sans, 13);
    const int gridRows = int(std::lround((kBottomMagnitude - kTopMagnitude) / kGridMagnitudeStep));
    for (int k = 0; k <= gridRows; ++k) {
        const double magnitude = kTopMagnitude + k * kGridMagnitudeStep;
        const QString text = QString::number(magnitude, 'f', 1);
        const double y = std::round(yOfMagnitude(magnitude)) + ticks.capHeight() / 2;
        ticks.draw(painter, QPointF(kFrameLeft - 6 - ticks.width(text), std::round(y)), text);
    }
    const QString quarters[] = {QStringLiteral("0"), QStringLiteral("1/4"), QStringLiteral("1/2"),
                                QStringLiteral("3/4"), QStringLiteral("1")};
    for (int quarter = 0; quarter <= 4; ++quarter)
        ticks.drawCentred(painter, QPointF(xOfPhase(quarter / 4.0) + 0.5, kFrameBottom + 18),
                          quarters[quarter]);

    const Lettering axis(Lettering::Face::Comic, 16);
    axis.drawCentred(painter, QPointF(centreX, kHeight - 9), QStringLiteral("Période"));
    painter.save();
    painter.translate(30, (kFrameTop + kFrameBottom) / 2.0);
    painter.rotate(-90);
    axis.drawCentred(painter, QPointF(0, 0), QStringLiteral("Magnitude"));
    painter.restore();
}

} // namespace

QImage drawLightCurve()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kCream);
    QPainter painter(&image);
    drawGrid(painter);
    drawCurve(painter);
    drawFrame(painter);
    drawLabels(painter);
    return image;
}
