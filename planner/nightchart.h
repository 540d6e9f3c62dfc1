#pragma once

// The chart of one night: the sky's state as bands, the star's (Algol's) and the Moon's altitudes
// on the left axis, the star's predicted magnitude (inverted, with its uncertainty shaded) and the
// comparison stars on the right axis, which spans the star's range (ChartData::magnitudes), the
// watchable part of the hours around the minimum along the bottom, the present moment and a time
// cursor; over the predicted light curve, the night's log: estimates as dots, fainter-than
// estimates as arrows down, imported points by band, and the minima timed from them with their
// error bars and fitted eclipses. It draws the ChartData and the ChartLog it is given and computes
// nothing of the sky or the timing itself; the same drawing goes to the screen, to an image, to an
// SVG file and to paper,
// in the colours of a palette: dark for the screen, light for paper.
//
// The cursor follows the pointer, or the arrow keys when the chart has the focus (Shift for
// bigger steps, Home and End for the ends of the night); its read-out is emitted as it moves and
// cleared when the night changes.

#include "nightchartdata.h"

#include <QColor>
#include <QImage>

#include <array>
#include <QWidget>

#include <optional>

namespace planner {

struct ChartPalette
{
    QColor frame, text, faintText, labelBox, grid;
    QColor day, civil, nautical, astronomical, night;
    QColor algolAltitude, moonAltitude, magnitude, comparison, watchable, watchWindow, now, cursor;
    QColor estimate, timing;
    std::array<QColor, 3> bands; // of imported points, in turn
    QColor ofState(sky::SkyState state) const;

    static const ChartPalette &screen(); // light lines on a dark sky, for the eyes at night
    static const ChartPalette &paper();  // dark lines on a pale sky, for printing
};

class NightChart : public QWidget
{
    Q_OBJECT

public:
    explicit NightChart(QWidget *parent = nullptr);

    void setData(ChartData data);
    const ChartData &data() const { return m_data; }
    // The night's log over the chart, kept when the night's data changes (the window sets both).
    void setLog(ChartLog log);
    const ChartLog &log() const { return m_log; }

    // The whole chart drawn into area of any paint device, whose units are taken as pixels (the
    // texts have pixel sizes, so that a picture, an SVG file and the screen look alike).
    void paint(QPainter &painter, const QRectF &area,
               const ChartPalette &palette = ChartPalette::screen()) const;

    // Where things fall when the chart fills area: its plot area, the x of an instant, the y of
    // an altitude (0 to 90 degrees, bottom to top) and of a magnitude on the span's axis (the
    // data's, ChartData::magnitudes; Algol's 4.0 to 1.6 by default, bottom to top).
    QRectF plotArea(const QRectF &area) const;
    double xOf(double jdUtc, const QRectF &plot) const;
    static double yOfAltitude(double altitudeDeg, const QRectF &plot);
    static double yOfMagnitude(double magnitude, const QRectF &plot, const MagnitudeSpan &span = {});

    // What the read-out says for an instant, and the cursor's instant (empty: no cursor).
    QString readoutAt(double jdUtc) const;
    std::optional<double> cursorJd() const { return m_cursorJd; }

    QSize sizeHint() const override { return {720, 360}; }
    QSize minimumSizeHint() const override { return {320, 170}; }

signals:
    void readoutChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void drawBands(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawGrid(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawComparisonStars(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawCurves(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawWatchable(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawMarks(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawLog(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const;
    void drawLogLegend(QPainter &painter, const QRectF &area, const QRectF &plot,
                       const ChartPalette &palette) const;
    // The legend's texts, and whether they take two lines in that area: on a narrow chart, or
    // where they do not fit on one (long names of another star, in French).
    QStringList legendTexts() const;
    bool legendOnTwoLines(const QRectF &area) const;
    void drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot,
                    const ChartPalette &palette) const;
    void moveCursorTo(std::optional<double> jdUtc);
    // An estimate's dot in the palette's colours at the device's pixel ratio, drawn once.
    const QImage &dotImage(const ChartPalette &palette, qreal pixelRatio) const;

    ChartData m_data;
    ChartLog m_log;
    mutable QImage m_dot;
    mutable QRgb m_dotColour = 0, m_dotOutline = 0;
    std::optional<double> m_cursorJd;
};

} // namespace planner
