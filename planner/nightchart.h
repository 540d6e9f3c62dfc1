#pragma once

// The chart of one night: the sky's state as bands, Algol's and the Moon's altitudes on the left
// axis, Algol's predicted magnitude (inverted, with its uncertainty shaded) and the comparison
// stars on the right axis, the watchable hours along the bottom, the present moment. It draws the
// ChartData it is given and computes nothing of the sky itself; the same drawing goes to the
// screen, to an image, to an SVG file and to the printer.

#include "nightchartdata.h"

#include <QColor>
#include <QWidget>

#include <optional>

namespace planner {

namespace chartcolours {
inline const QColor kDay{169, 201, 232};
inline const QColor kCivil{90, 127, 176};
inline const QColor kNautical{52, 80, 127};
inline const QColor kAstronomical{31, 49, 88};
inline const QColor kNight{15, 22, 46};
inline const QColor kAlgolAltitude{255, 207, 92};
inline const QColor kMoonAltitude{200, 204, 216};
inline const QColor kMagnitude{255, 128, 102};
inline const QColor kComparison{235, 240, 255};
inline const QColor kWatchable{110, 220, 140};
inline const QColor kNow{255, 255, 255};
QColor ofState(sky::SkyState state);
} // namespace chartcolours

class NightChart : public QWidget
{
    Q_OBJECT

public:
    explicit NightChart(QWidget *parent = nullptr);

    void setData(ChartData data);
    const ChartData &data() const { return m_data; }

    // The whole chart drawn into area of any paint device.
    void paint(QPainter &painter, const QRectF &area) const;

    // Where things fall when the chart fills area: its plot area, the x of an instant, the y of
    // an altitude (0 to 90 degrees, bottom to top) and of a magnitude (4.0 to 1.6, bottom to top).
    static QRectF plotArea(const QRectF &area);
    double xOf(double jdUtc, const QRectF &plot) const;
    static double yOfAltitude(double altitudeDeg, const QRectF &plot);
    static double yOfMagnitude(double magnitude, const QRectF &plot);

    // What the read-out says for the instant under the pointer.
    QString readoutAt(double jdUtc) const;

    QSize sizeHint() const override { return {720, 360}; }
    QSize minimumSizeHint() const override { return {360, 220}; }

signals:
    void readoutChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void drawBands(QPainter &painter, const QRectF &plot) const;
    void drawGrid(QPainter &painter, const QRectF &plot) const;
    void drawComparisonStars(QPainter &painter, const QRectF &plot) const;
    void drawCurves(QPainter &painter, const QRectF &plot) const;
    void drawMarks(QPainter &painter, const QRectF &plot) const;
    void drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot) const;

    ChartData m_data;
    std::optional<double> m_pointerJd;
};

} // namespace planner
