#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

// Layouts are designed in twips, 1/1440 inch: 15 twips make one logical pixel at 96 dpi.
// Qt's own high-DPI scaling maps logical pixels to the screen.
namespace toolkit {

inline constexpr double kTwipsPerPixel = 15.0;

constexpr double pixelsFromTwips(double twips) { return twips / kTwipsPerPixel; }
constexpr double twipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

// Widget geometry is whole pixels: the nearest pixel for each edge.
QRect pixelRectFromTwips(double left, double top, double width, double height);
// Drawing keeps fractions, so that shapes can move smoothly.
QRectF pixelRectFFromTwips(double left, double top, double width, double height);
QPointF pixelPointFromTwips(double x, double y);

} // namespace toolkit
