#include "drawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

// The small pictures: the program's star icon (32 pixels for the program, larger for desktops) and
// the stopwatch of the mode button, plain and crossed out.

namespace {

constexpr int kIconSize = 32;

QImage transparentIcon(int size = kIconSize)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

// A thin pointed ray from the centre outward.
QPolygonF ray(QPointF centre, double length, double halfWidth, double degrees)
{
    return QPolygonF({polar(centre, halfWidth, degrees - 90), polar(centre, length, degrees),
                      polar(centre, halfWidth, degrees + 90)});
}

} // namespace

QImage drawStarIcon(int size)
{
    QImage image = transparentIcon(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Drawn in the coordinates of the 32-pixel icon, scaled: every size is the same drawing.
    painter.scale(double(size) / kIconSize, double(size) / kIconSize);
    const QPointF centre(16, 16);

    QRadialGradient halo(centre, 13);
    halo.setColorAt(0.0, QColor(255, 170, 40, 255));
    halo.setColorAt(0.45, QColor(240, 90, 20, 200));
    halo.setColorAt(0.8, QColor(200, 30, 10, 90));
    halo.setColorAt(1.0, QColor(180, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, 13, 13);

    QRadialGradient rays(centre, 16);
    rays.setColorAt(0.0, QColor(255, 250, 200));
    rays.setColorAt(0.5, QColor(255, 160, 30));
    rays.setColorAt(1.0, QColor(220, 40, 0, 120));
    painter.setBrush(rays);
    for (int k = 0; k < 8; ++k) {
        const bool longRay = k % 2 == 0;
        painter.drawPolygon(ray(centre, longRay ? 15.5 : 11, longRay ? 2.2 : 1.8, k * 45));
    }

    QRadialGradient core(centre, 7);
    core.setColorAt(0.0, QColor(255, 255, 255));
    core.setColorAt(0.45, QColor(255, 252, 200));
    core.setColorAt(0.8, QColor(255, 225, 80));
    core.setColorAt(1.0, QColor(255, 180, 40, 0));
    painter.setBrush(core);
    painter.drawEllipse(centre, 7, 7);
    return image;
}

QImage drawStopwatch(bool crossedOut)
{
    QImage image = transparentIcon();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor outline(60, 40, 0);
    const QColor gold(250, 210, 30);

    painter.save();
    painter.translate(16, 18);
    painter.rotate(-20); // the watch is seen at a slant
    // Winding crown and its stem, then the small side button.
    painter.setPen(QPen(outline, 1));
    painter.setBrush(gold);
    painter.drawRect(QRectF(-1.5, -15, 3, 4));
    painter.drawRoundedRect(QRectF(-4, -17.5, 8, 3.5), 1.2, 1.2);
    painter.save();
    painter.rotate(45);
    painter.drawRect(QRectF(-1.3, -14, 2.6, 3));
    painter.restore();
    // Case: yellow rim around the white dial.
    painter.setBrush(gold);
    painter.drawEllipse(QPointF(0, 0), 11.5, 11.5);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(150, 110, 0), 0.8));
    painter.drawEllipse(QPointF(0, 0), 8.5, 8.5);
    // Hour marks and hands.
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    for (int k = 0; k < 12; k += 3)
        painter.drawLine(polar(QPointF(0, 0), 6, k * 30), polar(QPointF(0, 0), 8, k * 30));
    painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), polar(QPointF(0, 0), 6.5, 0));
    painter.setPen(QPen(QColor(200, 0, 0), 1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), polar(QPointF(0, 0), 7, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0, 0), 1.2, 1.2);
    painter.restore();

    if (crossedOut) {
        painter.setPen(QPen(QColor(230, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(2, 2), QPointF(30, 30));
        painter.drawLine(QPointF(30, 2), QPointF(2, 30));
    }
    return image;
}
