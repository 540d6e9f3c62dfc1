#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>

#include <optional>

// Finds room for the labels of a chart: off each other, off the stars and, where it can, off the
// constellation lines, and inside the chart.
class LabelPlacer
{
public:
    explicit LabelPlacer(const QRectF &chart) : m_chart(chart) {}

    void take(const QRectF &box) { m_boxes.append(box); }
    void take(const QLineF &line) { m_lines.append(line); }

    // The text box for a label beside a star disc, trying right, left, the four diagonals, above
    // and below, first off the lines, then across them; nothing if every place is taken.
    std::optional<QRectF> besideStar(QPointF star, double radius, QSizeF text) const;

    // The free box nearest to the wanted one, searching around it up to some 80 pixels away;
    // the wanted box itself if none is free.
    QRectF near(const QRectF &wanted) const;

private:
    bool isFree(const QRectF &box, bool offLines) const;

    QRectF m_chart;
    QList<QRectF> m_boxes;
    QList<QLineF> m_lines;
};
