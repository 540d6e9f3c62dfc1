#include "chartnames.h"
#include "drawings.h"
#include "labelplacer.h"
#include "lettering.h"
#include "skycatalogue.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

// The three star charts of the information window, from the Bright Star Catalogue: two of the
// region of Perseus, Andromeda, Cassiopeia and Triangulum, one with the stars' magnitudes and one
// with their names, and a chart of the northern sky around the pole as an observer facing north
// sees it on a winter evening, Algol high above the pole. All three are stereographic projections.

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 712;

struct ChartLook
{
    QColor sky;
    QColor lines;
    QColor constellationNames;
    double starSize; // disc radius of a star of magnitude 0, in pixels
    double starStep; // how much smaller the disc of a star one magnitude fainter is
};

// The stars whose names the chart with names stresses: Algol and its two comparison stars.
bool isStressed(int hr)
{
    return hr == kAlgolHr || hr == kAlmachHr || hr == kAlphaTrianguliHr;
}

class StarChart
{
public:
    explicit StarChart(ChartKind kind);
    QImage image() const { return m_image; }

private:
    double starRadius(double magnitude) const
    {
        return std::max(1.0, m_look.starSize - magnitude * m_look.starStep);
    }
    bool isOnChart(int star) const { return m_onChart.at(star); }
    void drawFigures();
    void drawStars();
    void drawConstellationNames();
    void drawMagnitudes();
    void drawStressedNames();
    void drawStarNames();
    void drawPoleMark(const QColor &colour);
    void drawPoleName(const QColor &colour);
    void drawAlgolMark(const QColor &colour);
    // Writes a label beside a star if there is room; returns whether it did.
    bool labelStar(int star, const QString &text, const Lettering &lettering, const QColor &colour,
                   bool underline = false);

    ChartKind m_kind;
    ChartLook m_look;
    Stereographic m_projection;
    QImage m_image;
    QPainter m_painter;
    QList<CatalogueStar> m_stars;
    QList<QPointF> m_points;
    QList<bool> m_onChart;
    LabelPlacer m_labels;
};

ChartLook lookOf(ChartKind kind)
{
    if (kind == ChartKind::Sky)
        return {QColor(12, 22, 92), QColor(235, 235, 255), QColor(255, 70, 60), 6.2, 1.05};
    return {Qt::black, QColor(110, 125, 170), QColor(255, 220, 50), 8.5, 1.45};
}

Stereographic projectionOf(ChartKind kind)
{
    const QPointF middle(kWidth / 2.0, kHeight / 2.0);
    if (kind == ChartKind::Sky) {
        // Centred on the pole; right ascension 15 h down, so 3 h (Algol) up.
        return Stereographic(15.0, 90.0, 4.6, middle + QPointF(0, 12));
    }
    // Centred on Cassiopeia, wide enough for the pole at the top and Aries at the bottom.
    return Stereographic(2.0, 58.0, 9.4, middle);
}

StarChart::StarChart(ChartKind kind)
    : m_kind(kind),
      m_look(lookOf(kind)),
      m_projection(projectionOf(kind)),
      m_image(kWidth, kHeight, QImage::Format_RGB32),
      m_stars(readBrightStars()),
      m_labels(QRectF(2, 2, kWidth - 4, kHeight - 4))
{
    m_image.fill(m_look.sky);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF margin(-20, -20, kWidth + 40, kHeight + 40);
    for (const CatalogueStar &star : m_stars) {
        const bool near = m_projection.isNear(star.raHours, star.decDegrees);
        const QPointF point = near ? m_projection.map(star.raHours, star.decDegrees) : QPointF();
        m_points.append(point);
        m_onChart.append(near && margin.contains(point));
    }

    const QColor green = kind == ChartKind::Sky ? QColor(40, 230, 40) : QColor(60, 230, 60);
    drawFigures();
    if (kind != ChartKind::Magnitudes)
        drawPoleMark(green);
    drawStars();
    switch (kind) {
    case ChartKind::Magnitudes:
        drawConstellationNames();
        drawMagnitudes();
        break;
    case ChartKind::Names:
        drawPoleName(green);
        drawStressedNames();
        drawConstellationNames();
        drawStarNames();
        break;
    case ChartKind::Sky:
        drawPoleName(green);
        drawAlgolMark(green);
        drawConstellationNames();
        break;
    }
    m_painter.end();
}

void StarChart::drawFigures()
{
    m_painter.setPen(QPen(m_look.lines, 1.1));
    for (const FigureLine &line : readConstellationFigures(m_stars)) {
        if (!isOnChart(line.from) || !isOnChart(line.to))
            continue;
        const QPointF a = m_points.at(line.from);
        const QPointF b = m_points.at(line.to);
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        const double gapA = starRadius(m_stars.at(line.from).magnitude) + 3;
        const double gapB = starRadius(m_stars.at(line.to).magnitude) + 3;
        if (length <= gapA + gapB)
            continue;
        const QPointF unit = (b - a) / length;
        const QLineF drawn(a + unit * gapA, b - unit * gapB);
        m_painter.drawLine(drawn);
        m_labels.take(drawn);
    }
}

void StarChart::drawStars()
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::white);
    for (int i = 0; i < m_stars.size(); ++i) {
        if (!isOnChart(i))
            continue;
        const double radius = starRadius(m_stars.at(i).magnitude);
        m_painter.drawEllipse(m_points.at(i), radius, radius);
        m_labels.take(QRectF(m_points.at(i) - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
    }
}

void StarChart::drawConstellationNames()
{
    const Lettering lettering(Lettering::Face::Sans, 14);
    m_painter.setPen(m_look.constellationNames);
    for (const ConstellationName &name : constellationNames()) {
        const SkyPoint place = m_kind == ChartKind::Sky ? name.onSkyChart : name.onRegionalCharts;
        if (!m_projection.isNear(place.raHours, place.decDegrees))
            continue;
        const QString &text = name.name;
        const QPointF at = m_projection.map(place.raHours, place.decDegrees);
        const double width = lettering.width(text);
        const QRectF wanted(at.x() - width / 2, at.y() - lettering.capHeight() / 2, width,
                            lettering.capHeight());
        if (!QRectF(0, 0, kWidth, kHeight).contains(wanted))
            continue;
        const QRectF box = m_labels.near(wanted.adjusted(-3, -3, 3, 3)).adjusted(3, 3, -3, -3);
        lettering.draw(m_painter, QPointF(box.left(), box.bottom()), text);
        m_labels.take(box.adjusted(-3, -3, 3, 3));
    }
}

bool StarChart::labelStar(int star, const QString &text, const Lettering &lettering,
                          const QColor &colour, bool underline)
{
    const QSizeF size(lettering.width(text), lettering.capHeight() + (underline ? 3 : 0));
    const double radius = starRadius(m_stars.at(star).magnitude);
    const auto box = m_labels.besideStar(m_points.at(star), radius, size);
    if (!box)
        return false;
    m_painter.setPen(colour);
    lettering.draw(m_painter, QPointF(box->left(), box->top() + lettering.capHeight()), text,
                   underline);
    m_labels.take(box->adjusted(-2, -2, 2, 2));
    return true;
}

// Stars in order of brightness, brightest first, for labelling.
QList<int> byBrightness(const QList<CatalogueStar> &stars)
{
    QList<int> order(stars.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&stars](int a, int b) {
        return stars.at(a).magnitude < stars.at(b).magnitude;
    });
    return order;
}

void StarChart::drawMagnitudes()
{
    constexpr double kFaintestLabelled = 4.7;
    const Lettering lettering(Lettering::Face::Sans, 11);
    for (int star : byBrightness(m_stars)) {
        const double magnitude = m_stars.at(star).magnitude;
        if (!isOnChart(star) || magnitude > kFaintestLabelled)
            continue;
        const QString text = QStringLiteral("[%1]").arg(std::lround(magnitude * 100));
        labelStar(star, text, lettering, QColor(205, 205, 205));
    }
}

Lettering nameLettering()
{
    return Lettering(Lettering::Face::Sans, 12);
}

void StarChart::drawStressedNames()
{
    for (int star = 0; star < m_stars.size(); ++star) {
        const int hr = m_stars.at(star).hr;
        if (isOnChart(star) && isStressed(hr)
            && !labelStar(star, starName(hr), nameLettering(), QColor(255, 55, 55), true))
            qFatal("No room for the name of HR %d", hr);
    }
}

void StarChart::drawStarNames()
{
    constexpr double kFaintestLettered = 4.0;
    const Lettering lettering = nameLettering();
    for (int star : byBrightness(m_stars)) {
        const CatalogueStar &s = m_stars.at(star);
        if (!isOnChart(star) || isStressed(s.hr))
            continue;
        if (!starName(s.hr).isEmpty())
            labelStar(star, starName(s.hr), lettering, Qt::white);
        else if (s.magnitude <= kFaintestLettered && !greekLetter(s.bayer).isEmpty())
            labelStar(star, greekLetter(s.bayer), lettering, QColor(215, 215, 215));
    }
}

// The pole's mark goes under the stars, so that Polaris, a few pixels away, stays whole.
void StarChart::drawPoleMark(const QColor &colour)
{
    const QPointF pole = m_projection.map(0, 90);
    m_painter.setPen(QPen(colour, 1.6));
    for (const QPointF arm : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        m_painter.drawLine(pole + arm * 4, pole + arm * 12);
}

void StarChart::drawPoleName(const QColor &colour)
{
    const QPointF pole = m_projection.map(0, 90);
    const Lettering lettering(Lettering::Face::Sans, 14);
    const QString text = QStringLiteral("Pôle Nord");
    const double width = lettering.width(text);
    const QPointF origin(pole.x() - 16 - width, pole.y() + lettering.capHeight() / 2);
    m_painter.setPen(colour);
    lettering.draw(m_painter, origin, text);
    m_labels.take(QRectF(origin.x() - 2, origin.y() - lettering.capHeight() - 2, width + 4,
                         lettering.capHeight() + 4));
    m_labels.take(QRectF(pole - QPointF(12, 12), QSizeF(24, 24)));
}

void StarChart::drawAlgolMark(const QColor &colour)
{
    const auto algol = std::find_if(m_stars.begin(), m_stars.end(),
                                    [](const CatalogueStar &s) { return s.hr == kAlgolHr; });
    const int star = int(algol - m_stars.begin());
    const QPointF centre = m_points.at(star);
    QPolygonF symbol;
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 13 : 5.5;
        const double angle = k * std::numbers::pi / 5;
        symbol.append(centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle)));
    }
    m_painter.setPen(QPen(colour, 1.6));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolygon(symbol);
    m_labels.take(symbol.boundingRect());
    const Lettering lettering(Lettering::Face::Sans, 15);
    m_painter.setPen(colour);
    lettering.draw(m_painter, centre + QPointF(16, lettering.capHeight() / 2),
                   QStringLiteral("Algol"));
    m_labels.take(QRectF(centre + QPointF(14, -lettering.capHeight()), QSizeF(50, 2 * lettering.capHeight())));
}

} // namespace

QImage drawStarChart(ChartKind kind)
{
    return StarChart(kind).image();
}
