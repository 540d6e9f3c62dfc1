#pragma once

// The printed page of a night: white, the night and the site named at the top, the chart in the
// paper palette, and the table of the night's times (sunset, the twilights, the minimum, Algol's
// rising or setting) under it. Drawn into any paint device: the printer, or an image in a test.

#include <QRectF>
#include <QString>

class QPainter;

namespace planner {

class NightChart;

// The page laid out on a width of 1600 units scaled to fit page; details is the line under the
// title (the site, the zone, the elements).
void paintNightSheet(QPainter &painter, const QRectF &page, const NightChart &chart,
                     const QString &details);

} // namespace planner
