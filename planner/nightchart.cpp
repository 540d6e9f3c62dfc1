#include "nightchart.h"

#include "plan.h"
#include "plannertexts.h"
#include "zonetime.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace planner {

namespace chartcolours {

QColor ofState(sky::SkyState state)
{
    switch (state) {
    case sky::SkyState::Day:
        return kDay;
    case sky::SkyState::CivilTwilight:
        return kCivil;
    case sky::SkyState::NauticalTwilight:
        return kNautical;
    case sky::SkyState::AstronomicalTwilight:
        return kAstronomical;
    case sky::SkyState::Night:
        break;
    }
    return kNight;
}

} // namespace chartcolours

namespace {

constexpr double kLeftMargin = 52;
constexpr double kRightMargin = 48;
constexpr double kTopMargin = 44;
constexpr double kBottomMargin = 46;
constexpr double kHighestAltitude = 90;
constexpr double kBrightestMagnitude = 1.6;
constexpr double kFaintestMagnitude = 4.0;
constexpr double kWatchableStripHeight = 7;
const QColor kFrame{18, 24, 40};
const QColor kText{226, 232, 245};
const QColor kFaintText{160, 172, 198};

QFont sized(QFont font, double points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The sample values at an instant, linear between the two samples around it.
std::optional<sky::NightSample> sampleAt(const std::vector<sky::NightSample> &samples, double jdUtc)
{
    if (samples.empty() || jdUtc < samples.front().jdUtc || jdUtc > samples.back().jdUtc)
        return std::nullopt;
    const auto after = std::lower_bound(samples.begin(), samples.end(), jdUtc,
        [](const sky::NightSample &s, double jd) { return s.jdUtc < jd; });
    if (after == samples.begin())
        return *after;
    const sky::NightSample &a = *(after - 1);
    const sky::NightSample &b = *after;
    const double f = (jdUtc - a.jdUtc) / (b.jdUtc - a.jdUtc);
    const auto mix = [f](double x, double y) { return x + f * (y - x); };
    return sky::NightSample{jdUtc, mix(a.algolAltitudeDeg, b.algolAltitudeDeg),
                            mix(a.sunAltitudeDeg, b.sunAltitudeDeg),
                            mix(a.moonAltitudeDeg, b.moonAltitudeDeg),
                            mix(a.moonIlluminatedFraction, b.moonIlluminatedFraction),
                            mix(a.magnitude, b.magnitude), mix(a.brightestMagnitude, b.brightestMagnitude),
                            mix(a.faintestMagnitude, b.faintestMagnitude)};
}

// The line without the points that lie within a tenth of a pixel of the straight line between
// their neighbours.
QPolygonF straightened(const QPolygonF &line)
{
    if (line.size() < 3)
        return line;
    QPolygonF kept{line.front()};
    for (qsizetype i = 1; i + 1 < line.size(); ++i) {
        const QPointF a = kept.back();
        const QPointF b = line[i + 1];
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        const QPointF p = line[i] - a;
        if (length == 0 || std::fabs(d.x() * p.y() - d.y() * p.x()) / length > 0.1)
            kept << line[i];
    }
    kept << line.back();
    return kept;
}

bool watchable(const sky::NightSample &s, const sky::Conditions &conditions)
{
    return s.algolAltitudeDeg >= conditions.minAlgolAltitudeDeg
        && s.sunAltitudeDeg <= conditions.maxSunAltitudeDeg;
}

} // namespace

NightChart::NightChart(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(AlgolPlanner::tr("Night chart"));
    setFocusPolicy(Qt::NoFocus);
}

void NightChart::setData(ChartData data)
{
    m_data = std::move(data);
    setAccessibleDescription(m_data.title + QLatin1String(": ") + m_data.minimumLabel);
    update();
}

QRectF NightChart::plotArea(const QRectF &area)
{
    return area.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

double NightChart::xOf(double jdUtc, const QRectF &plot) const
{
    const double span = m_data.night.toJdUtc - m_data.night.fromJdUtc;
    if (!(span > 0))
        return plot.left();
    return plot.left() + (jdUtc - m_data.night.fromJdUtc) / span * plot.width();
}

double NightChart::yOfAltitude(double altitudeDeg, const QRectF &plot)
{
    return plot.bottom() - altitudeDeg / kHighestAltitude * plot.height();
}

double NightChart::yOfMagnitude(double magnitude, const QRectF &plot)
{
    return plot.top() + (magnitude - kBrightestMagnitude)
        / (kFaintestMagnitude - kBrightestMagnitude) * plot.height();
}

void NightChart::paint(QPainter &painter, const QRectF &area) const
{
    painter.save();
    painter.fillRect(area, kFrame);
    const QRectF plot = plotArea(area);
    if (!m_data.isValid() || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(kFaintText);
        painter.setFont(sized(painter.font(), 11));
        painter.drawText(area, Qt::AlignCenter, AlgolPlanner::tr("No night to show"));
        painter.restore();
        return;
    }
    // Straight lines at whole pixels need no antialiasing, and are much cheaper without it.
    drawBands(painter, plot);
    drawGrid(painter, plot);
    drawComparisonStars(painter, plot);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCurves(painter, plot);
    drawMarks(painter, plot);
    drawLegend(painter, area, plot);
    painter.restore();
}

void NightChart::drawBands(QPainter &painter, const QRectF &plot) const
{
    for (const sky::SkyBand &band : m_data.night.bands) {
        const double left = xOf(band.fromJdUtc, plot);
        const double right = xOf(band.toJdUtc, plot);
        const QColor colour = chartcolours::ofState(band.state);
        painter.fillRect(QRectF(QPointF(left, plot.top()), QPointF(right, plot.bottom())), colour);
        // The hour lines, a little lighter than the band: opaque, since a translucent vertical
        // line is blended row by row and costs ten times more.
        const QColor line = QColor::fromRgbF(colour.redF() * 0.86f + 0.14f, colour.greenF() * 0.86f + 0.14f,
                                             colour.blueF() * 0.86f + 0.14f);
        // Each drawing call with many spans is shared out to Qt's threads, at a cost: one call.
        QList<QLineF> lines;
        for (const ChartTick &tick : m_data.ticks) {
            const double x = std::round(xOf(tick.jdUtc, plot));
            if (!tick.label.isEmpty() && x >= left && x < right)
                lines.append(QLineF(x, plot.top(), x, plot.bottom()));
        }
        painter.setPen(QPen(line, 1));
        painter.drawLines(lines);
    }
}

void NightChart::drawGrid(QPainter &painter, const QRectF &plot) const
{
    const QFont small = sized(painter.font(), 8.5);
    painter.setFont(small);
    const QFontMetricsF metrics(small);

    // Altitudes on the left, every 15 degrees.
    for (int altitude = 0; altitude <= 90; altitude += 15) {
        const double y = yOfAltitude(altitude, plot);
        // A translucent line costs a hundred times more drawn than filled.
        painter.fillRect(QRectF(plot.left(), std::round(y), plot.width(), 1),
                         QColor(255, 255, 255, altitude == 0 ? 90 : 28));
        painter.setPen(kFaintText);
        painter.drawText(QRectF(0, y - 8, plot.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1°").arg(altitude));
    }
    // Magnitudes on the right, brighter upwards.
    for (double magnitude = 2.0; magnitude <= 3.51; magnitude += 0.5) {
        const double y = yOfMagnitude(magnitude, plot);
        painter.setPen(chartcolours::kMagnitude);
        painter.drawText(QRectF(plot.right() + 6, y - 8, kRightMargin - 6, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, m_data.locale.toString(magnitude, 'f', 1));
    }
    // Hours along the bottom, minute marks between them unless the times are rounded.
    double lastLabelRight = -1e9;
    for (const ChartTick &tick : m_data.ticks) {
        const double x = xOf(tick.jdUtc, plot);
        const bool hour = !tick.label.isEmpty();
        painter.setPen(QPen(kFaintText, 1));
        painter.drawLine(QPointF(x, plot.bottom() + kWatchableStripHeight + 2),
                         QPointF(x, plot.bottom() + kWatchableStripHeight + (hour ? 7 : 4)));
        const double width = metrics.horizontalAdvance(tick.label);
        if (hour && x - width / 2 > lastLabelRight + 6) {
            painter.drawText(QRectF(x - width / 2 - 2, plot.bottom() + kWatchableStripHeight + 8,
                                    width + 4, metrics.height()),
                             Qt::AlignCenter, tick.label);
            lastLabelRight = x + width / 2;
        }
    }
    // The lowest altitude that counts.
    const double y = yOfAltitude(m_data.conditions.minAlgolAltitudeDeg, plot);
    if (y > plot.top() && y < plot.bottom()) {
        QColor gold = chartcolours::kAlgolAltitude;
        gold.setAlpha(150);
        painter.setPen(QPen(gold, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

void NightChart::drawComparisonStars(QPainter &painter, const QRectF &plot) const
{
    const QFont small = sized(painter.font(), 8.5);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    QColor line = chartcolours::kComparison;
    line.setAlpha(120);
    // The lines in one call (see drawBands), through the middle of a row of pixels and
    // antialiased: the raster engine's fast way for a translucent dotted line.
    QList<QLineF> lines;
    for (const ComparisonStar &star : m_data.stars) {
        const double y = std::floor(yOfMagnitude(star.magnitude, plot)) + 0.5;
        lines.append(QLineF(plot.left(), y, plot.right(), y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(line, 1, Qt::DotLine));
    painter.drawLines(lines);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Labels in a column at the right end, pushed down so that none covers another.
    double nextFreeY = plot.top();
    for (const ComparisonStar &star : m_data.stars) {
        const double y = yOfMagnitude(star.magnitude, plot);
        const QString text = star.label + QLatin1Char(' ')
            + m_data.locale.toString(star.magnitude, 'f', 1);
        const double height = metrics.height();
        const double top = std::max(y - height / 2, nextFreeY);
        const double width = metrics.horizontalAdvance(text) + 8;
        const QRectF box(plot.right() - width - 4, top, width, height);
        painter.fillRect(box, QColor(10, 14, 28, 150));
        painter.setPen(chartcolours::kComparison);
        painter.drawText(box, Qt::AlignCenter, text);
        nextFreeY = top + height + 1;
    }
}

void NightChart::drawCurves(QPainter &painter, const QRectF &plot) const
{
    const std::vector<sky::NightSample> &samples = m_data.night.samples;
    painter.save();
    painter.setClipRect(plot);

    QPolygonF moon, algol, magnitude, band;
    for (const sky::NightSample &s : samples) {
        const double x = xOf(s.jdUtc, plot);
        moon << QPointF(x, yOfAltitude(s.moonAltitudeDeg, plot));
        algol << QPointF(x, yOfAltitude(s.algolAltitudeDeg, plot));
        magnitude << QPointF(x, yOfMagnitude(s.magnitude, plot));
    }
    // The uncertainty's shade where it has a width: over the eclipse.
    const auto spread = [](const sky::NightSample &s) {
        return s.faintestMagnitude - s.brightestMagnitude > 1e-3;
    };
    for (const sky::NightSample &s : samples)
        if (spread(s))
            band << QPointF(xOf(s.jdUtc, plot), yOfMagnitude(s.brightestMagnitude, plot));
    for (auto s = samples.rbegin(); s != samples.rend(); ++s)
        if (spread(*s))
            band << QPointF(xOf(s->jdUtc, plot), yOfMagnitude(s->faintestMagnitude, plot));

    // A thick polyline stroked as one path over the whole chart costs several times more than
    // its segments one by one; straight stretches (Algol's light out of eclipse) are one segment,
    // so that no joins show along them.
    const auto drawSegments = [&](const QPolygonF &line) {
        const QPolygonF simple = straightened(line);
        for (qsizetype i = 0; i + 1 < simple.size(); ++i)
            painter.drawLine(simple[i], simple[i + 1]);
    };
    painter.setPen(QPen(chartcolours::kMoonAltitude, 1, Qt::DashLine));
    painter.drawPolyline(moon);
    painter.setPen(QPen(chartcolours::kAlgolAltitude, 2.2, Qt::SolidLine, Qt::FlatCap));
    drawSegments(algol);
    QColor shade = chartcolours::kMagnitude;
    shade.setAlpha(70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(band);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(chartcolours::kMagnitude, 3, Qt::SolidLine, Qt::FlatCap));
    drawSegments(magnitude);
    painter.restore();
}

void NightChart::drawMarks(QPainter &painter, const QRectF &plot) const
{
    const std::vector<sky::NightSample> &samples = m_data.night.samples;
    // The watchable stretches along the bottom.
    const double stripTop = plot.bottom() + 1;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        if (!watchable(samples[i], m_data.conditions) || !watchable(samples[i + 1], m_data.conditions))
            continue;
        painter.fillRect(QRectF(QPointF(xOf(samples[i].jdUtc, plot), stripTop),
                                QPointF(xOf(samples[i + 1].jdUtc, plot), stripTop + kWatchableStripHeight)),
                         chartcolours::kWatchable);
    }

    painter.setFont(sized(painter.font(), 9, true));
    const QFontMetricsF metrics(painter.font());
    // The minimum: a mark under the lowest point of the curve, with its time.
    const double minimumJd = m_data.night.minimumJdUtc;
    if (const auto at = sampleAt(samples, minimumJd)) {
        const QPointF bottom(xOf(minimumJd, plot), yOfMagnitude(at->magnitude, plot));
        painter.setPen(QPen(chartcolours::kMagnitude, 1, Qt::DashLine));
        painter.drawLine(QPointF(bottom.x(), bottom.y() + 6), QPointF(bottom.x(), plot.bottom()));
        const double width = metrics.horizontalAdvance(m_data.minimumLabel) + 10;
        const double left = std::clamp(bottom.x() - width / 2, plot.left(), plot.right() - width);
        const QRectF box(left, std::min(bottom.y() + 10, plot.bottom() - metrics.height() - 4), width,
                         metrics.height() + 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(10, 14, 28, 190));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(chartcolours::kMagnitude);
        painter.drawText(box, Qt::AlignCenter, m_data.minimumLabel);
    }
    // The present moment.
    if (m_data.nowJdUtc) {
        const double x = xOf(*m_data.nowJdUtc, plot);
        painter.setPen(QPen(chartcolours::kNow, 2));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString now = AlgolPlanner::tr("now");
        const double width = metrics.horizontalAdvance(now) + 10;
        const QRectF box(std::clamp(x - width / 2, plot.left(), plot.right() - width), plot.top() + 4,
                         width, metrics.height() + 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(10, 14, 28, 190));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(chartcolours::kNow);
        painter.drawText(box, Qt::AlignCenter, now);
    }
    // The pointer.
    if (m_pointerJd) {
        const double x = xOf(*m_pointerJd, plot);
        painter.setPen(QPen(QColor(200, 205, 220), 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void NightChart::drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot) const
{
    painter.setFont(sized(painter.font(), 11, true));
    painter.setPen(kText);
    const QRectF titleBox(plot.left(), area.top() + 4, plot.width(), 20);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, m_data.title);

    painter.setFont(sized(painter.font(), 8.5));
    const QFontMetricsF metrics(painter.font());
    const double moonLit = sampleAt(m_data.night.samples, m_data.night.minimumJdUtc)
                               .value_or(m_data.night.samples.front()).moonIlluminatedFraction;
    struct Item
    {
        QString text;
        QPen pen;
    };
    const Item items[] = {
        {AlgolPlanner::tr("Algol's altitude"), QPen(chartcolours::kAlgolAltitude, 2.2)},
        {AlgolPlanner::tr("Moon's altitude (%1 % lit)").arg(std::lround(moonLit * 100)),
         QPen(chartcolours::kMoonAltitude, 1, Qt::DashLine)},
        {AlgolPlanner::tr("Algol's magnitude"), QPen(chartcolours::kMagnitude, 3)},
        {AlgolPlanner::tr("watchable"), QPen(chartcolours::kWatchable, 5)},
    };
    double x = plot.left();
    const double y = area.top() + 32;
    for (const Item &item : items) {
        painter.setPen(item.pen);
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter.setPen(kFaintText);
        const double width = metrics.horizontalAdvance(item.text);
        painter.drawText(QRectF(x + 23, y - 8, width + 2, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         item.text);
        x += 23 + width + 16;
    }
}

QString NightChart::readoutAt(double jdUtc) const
{
    const auto at = sampleAt(m_data.night.samples, jdUtc);
    if (!at)
        return {};
    QDateTime instant = listing::utcOfJulianDay(jdUtc).toTimeZone(m_data.zone);
    QString time = listing::clockText(instant.time(), false);
    if (m_data.halfHourRounding)
        time = QStringLiteral("≈ ") + listing::clockText(halfHourRounded(instant, m_data.zone).time(), false);
    const QLocale &l = m_data.locale;
    return AlgolPlanner::tr("%1: Algol %2° high, magnitude %3; Moon %4°; Sun %5°")
        .arg(time, l.toString(at->algolAltitudeDeg, 'f', 0), l.toString(at->magnitude, 'f', 2),
             l.toString(at->moonAltitudeDeg, 'f', 0), l.toString(at->sunAltitudeDeg, 'f', 0));
}

void NightChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect());
}

void NightChart::mouseMoveEvent(QMouseEvent *event)
{
    const QRectF plot = plotArea(rect());
    const double x = event->position().x();
    if (!m_data.isValid() || x < plot.left() || x > plot.right()) {
        leaveEvent(event);
        return;
    }
    m_pointerJd = m_data.night.fromJdUtc
        + (x - plot.left()) / plot.width() * (m_data.night.toJdUtc - m_data.night.fromJdUtc);
    update();
    emit readoutChanged(readoutAt(*m_pointerJd));
}

void NightChart::leaveEvent(QEvent *)
{
    if (!m_pointerJd)
        return;
    m_pointerJd.reset();
    update();
    emit readoutChanged({});
}

} // namespace planner
