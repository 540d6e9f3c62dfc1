#pragma once

// The O−C diagram: each time of minimum as observed minus computed, in minutes, against its date
// (calendar along the bottom, the cycle E along the top), with its error bar; the elements in use
// as the zero line and fitted elements as a line; timings that a fit flags or leaves out marked
// apart. It draws the OcData it is given and computes nothing of the timings; the same drawing
// goes to the screen (dark), to an image or an SVG file (dark or light) and to the printer
// (light).
//
// A point is read out when the pointer comes near it, and chosen by a click; with the keyboard,
// the arrows move from point to point in date order (Home and End to the ends) and Enter chooses.

#include "ocdata.h"

#include <QWidget>

#include <optional>

class QIODevice;

namespace planner {

struct OcColours;

class OcDiagram : public QWidget
{
    Q_OBJECT

public:
    enum class Scheme { Dark, Light };

    explicit OcDiagram(QWidget *parent = nullptr);

    void setData(OcData data);
    const OcData &data() const { return m_data; }

    // The whole diagram drawn into area of any paint device.
    void paint(QPainter &painter, const QRectF &area, Scheme scheme) const;

    // Where things fall when the diagram fills area: its plot area, the x of a date and the y of
    // an O−C in minutes.
    static QRectF plotArea(const QRectF &area);
    double xOf(double date, const QRectF &plot) const;
    double yOf(double minutes, const QRectF &plot) const;

    // The point drawn within reach of position, the nearest, when the diagram fills area.
    std::optional<qsizetype> pointAt(QPointF position, const QRectF &area) const;
    // What the read-out says of a point.
    QString readoutOf(qsizetype point) const;
    // The point read out and ringed (pointed at or reached with the arrows); none after setData.
    std::optional<qsizetype> currentPoint() const { return m_current; }

    // The pictures that the window saves through listing::saveWhole.
    bool writePng(QIODevice &device, QSize size, Scheme scheme) const;
    bool writeSvg(QIODevice &device, QSize size, Scheme scheme) const;

    QSize sizeHint() const override { return {720, 420}; }
    QSize minimumSizeHint() const override { return {360, 240}; }

signals:
    void readoutChanged(const QString &text);
    // A point chosen: the instant of its minimum seen from the Earth, to open its night, and its
    // record's index in the records the data was made from.
    void timingChosen(double minimumJdUtc, qsizetype record);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void drawGrid(QPainter &painter, const QRectF &area, const QRectF &plot, const OcColours &colours) const;
    void drawPoints(QPainter &painter, const QRectF &plot, const OcColours &colours) const;
    void drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot, const OcColours &colours) const;
    void setCurrent(qsizetype point);

    OcData m_data;
    std::optional<qsizetype> m_current;
};

} // namespace planner
