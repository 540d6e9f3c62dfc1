#include "drawings.h"
#include "lettering.h"

#include <QPainter>

#include <cmath>
#include <numbers>

// The orbit of Algol's pair seen almost edge-on, drawn for four moments of the period one above
// the other: B passes in front of A at 0 T (the primary eclipse), lies left of A at 1/4 T, behind
// A at 1/2 T and right of A at 3/4 T. As in the program's orbit view, A is the larger disc at the
// centre and B runs on a flat ellipse at the angle phase x 360 + 90 degrees, the lower half of the
// ellipse being the near side.

namespace {

constexpr int kWidth = 456;
constexpr int kHeight = 296;
constexpr int kPanelRight = 332;   // the grey panel spans x 0 to here, the cream column the rest
constexpr int kFrame = 2;          // width of the panel's black frame
constexpr double kOrbitX = 166;    // centre of the orbits
constexpr double kSemiMajor = 122; // the orbit's half-width and half-height, in pixels
constexpr double kSemiMinor = 13;
constexpr double kRadiusA = 22;
constexpr double kRadiusB = 16;

const QColor kCream(255, 250, 222);
const QColor kPanelGrey(168, 168, 168);
const QColor kStarA(255, 244, 200);
const QColor kStarB(112, 112, 112);

double rowCentreY(int row)
{
    const double rowHeight = (kHeight - 2.0 * kFrame) / 4;
    return kFrame + rowHeight * (row + 0.5);
}

void drawDisc(QPainter &painter, QPointF centre, double radius, const QColor &fill)
{
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
}

void drawMoment(QPainter &painter, int row, const Lettering &letters)
{
    const double phase = row / 4.0;
    const QPointF centre(kOrbitX, rowCentreY(row));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, kSemiMajor, kSemiMinor);

    const double angle = (phase * 360 + 90) * std::numbers::pi / 180;
    const QPointF b = centre + QPointF(kSemiMajor * std::cos(angle), kSemiMinor * std::sin(angle));
    const bool aInFront = phase > 0.25 && phase < 0.75;
    if (aInFront) {
        drawDisc(painter, b, kRadiusB, kStarB);
        drawDisc(painter, centre, kRadiusA, kStarA);
    } else {
        drawDisc(painter, centre, kRadiusA, kStarA);
        drawDisc(painter, b, kRadiusB, kStarB);
    }
    if (row == 1) {
        const double baseline = letters.capHeight() / 2;
        painter.setPen(Qt::black);
        letters.drawCentred(painter, centre + QPointF(0, baseline), QStringLiteral("A"));
        painter.setPen(Qt::white);
        letters.drawCentred(painter, b + QPointF(0, baseline), QStringLiteral("B"));
    }
}

} // namespace

QImage drawOrbitPhases()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kCream);
    QPainter painter(&image);
    painter.fillRect(0, 0, kPanelRight + 1, kHeight, Qt::black);
    painter.fillRect(kFrame, kFrame, kPanelRight + 1 - 2 * kFrame, kHeight - 2 * kFrame, kPanelGrey);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const Lettering starLetters(Lettering::Face::Sans, 15);
    for (int row = 0; row < 4; ++row)
        drawMoment(painter, row, starLetters);

    const double columnCentre = (kPanelRight + kWidth) / 2.0;
    const Lettering heading(Lettering::Face::Comic, 19);
    const Lettering labels(Lettering::Face::Comic, 17);
    painter.setPen(Qt::black);
    heading.drawCentred(painter, QPointF(columnCentre, 22), QStringLiteral("Période"));
    const QString moments[] = {QStringLiteral("0 T"), QStringLiteral("1/4 T"),
                               QStringLiteral("1/2 T"), QStringLiteral("3/4 T")};
    for (int row = 0; row < 4; ++row) {
        const double y = rowCentreY(row) + labels.capHeight() / 2 + (row == 0 ? 8 : 0);
        labels.drawCentred(painter, QPointF(columnCentre, std::round(y)), moments[row]);
    }
    return image;
}
