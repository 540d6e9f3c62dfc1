#include "labelplacer.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace {

bool crosses(const QLineF &line, const QRectF &box)
{
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges), [&line](const QLineF &edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

} // namespace

bool LabelPlacer::isFree(const QRectF &box, bool offLines) const
{
    if (!m_chart.contains(box))
        return false;
    const auto overlaps = [&box](const QRectF &taken) { return taken.intersects(box); };
    const auto crossesBox = [&box](const QLineF &line) { return crosses(line, box); };
    return std::none_of(m_boxes.begin(), m_boxes.end(), overlaps)
           && (!offLines || std::none_of(m_lines.begin(), m_lines.end(), crossesBox));
}

std::optional<QRectF> LabelPlacer::besideStar(QPointF star, double radius, QSizeF text) const
{
    const double gap = radius + 2;
    const double slant = gap * 0.7;
    const double w = text.width();
    const double h = text.height();
    const QPointF corners[] = {
        {star.x() + gap, star.y() - h / 2},           {star.x() - gap - w, star.y() - h / 2},
        {star.x() + slant, star.y() - slant - h},     {star.x() + slant, star.y() + slant},
        {star.x() - slant - w, star.y() - slant - h}, {star.x() - slant - w, star.y() + slant},
        {star.x() - w / 2, star.y() - gap - h},       {star.x() - w / 2, star.y() + gap},
    };
    for (bool offLines : {true, false}) {
        for (const QPointF &corner : corners) {
            const QRectF box(corner, text);
            if (isFree(box, offLines))
                return box;
        }
    }
    return std::nullopt;
}

QRectF LabelPlacer::near(const QRectF &wanted) const
{
    // Rings of 24 directions, 4 pixels apart, wider than high as the labels are.
    for (int distance = 0; distance <= 60; distance += 4) {
        const int directions = distance == 0 ? 1 : 24;
        for (int k = 0; k < directions; ++k) {
            const double angle = k * 2 * std::numbers::pi / directions;
            const QRectF box = wanted.translated(distance * std::cos(angle) * 1.4,
                                                 distance * std::sin(angle));
            if (isFree(box, true))
                return box;
        }
    }
    return wanted;
}
