#include "nightchart.h"

#include "plan.h"
#include "plannertexts.h"
#include "wording.h"
#include "zonetime.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace planner {

QColor ChartPalette::ofState(sky::SkyState state) const
{
    switch (state) {
    case sky::SkyState::Day:
        return day;
    case sky::SkyState::CivilTwilight:
        return civil;
    case sky::SkyState::NauticalTwilight:
        return nautical;
    case sky::SkyState::AstronomicalTwilight:
        return astronomical;
    case sky::SkyState::Night:
        break;
    }
    return night;
}

const ChartPalette &ChartPalette::screen()
{
    static const ChartPalette palette{
        .frame = {18, 24, 40},
        .text = {226, 232, 245},
        .faintText = {160, 172, 198},
        .labelBox = {10, 14, 28, 170},
        .grid = {255, 255, 255},
        .day = {169, 201, 232},
        .civil = {90, 127, 176},
        .nautical = {52, 80, 127},
        .astronomical = {31, 49, 88},
        .night = {15, 22, 46},
        .algolAltitude = {255, 207, 92},
        .moonAltitude = {200, 204, 216},
        .magnitude = {255, 128, 102},
        .comparison = {235, 240, 255},
        .watchable = {110, 220, 140},
        .watchWindow = {92, 106, 136},
        .now = {255, 255, 255},
        .cursor = {200, 205, 220},
        .estimate = {120, 224, 255},
        .timing = {200, 150, 255},
        .bands = {QColor(255, 176, 72), QColor(150, 200, 255), QColor(240, 130, 210)},
    };
    return palette;
}

const ChartPalette &ChartPalette::paper()
{
    static const ChartPalette palette{
        .frame = {255, 255, 255},
        .text = {20, 20, 20},
        .faintText = {80, 80, 80},
        .labelBox = {255, 255, 255, 200},
        .grid = {0, 0, 0},
        .day = {255, 255, 255},
        .civil = {236, 240, 246},
        .nautical = {221, 228, 238},
        .astronomical = {206, 215, 230},
        .night = {190, 202, 222},
        .algolAltitude = {168, 112, 0},
        .moonAltitude = {90, 90, 90},
        .magnitude = {200, 40, 20},
        .comparison = {40, 40, 60},
        .watchable = {20, 140, 60},
        .watchWindow = {200, 200, 200},
        .now = {0, 0, 0},
        .cursor = {60, 60, 60},
        .estimate = {10, 10, 10},
        .timing = {100, 40, 170},
        .bands = {QColor(190, 95, 0), QColor(20, 80, 180), QColor(170, 30, 120)},
    };
    return palette;
}

namespace {

constexpr double kLeftMargin = 52;
constexpr double kRightMargin = 48;
constexpr double kTopMargin = 44;
constexpr double kNarrowTopMargin = 60; // the legend on two lines
constexpr double kNarrowChart = 860;
constexpr double kLegendItemRoom = 39; // a legend item's line and the spaces around its text
constexpr double kBottomMargin = 46;
constexpr double kHighestAltitude = 90;
constexpr double kMagnitudeLabelStep = 0.5;
constexpr double kWatchableStripHeight = 7;
// The log's marks, in pixels: an estimate's dot, an imported point's square, a fainter-than
// estimate's bar and arrow, a timed minimum's diamond.
constexpr double kDotRadius = 3.5;
constexpr double kSquareHalf = 2.5;
constexpr double kArrowHalf = 5;
constexpr double kArrowLength = 14;
constexpr double kDiamondHalf = 6;
// The texts' sizes in pixels (8.5, 9 and 11 points at 96 dots per inch).
constexpr int kSmallText = 11;
constexpr int kMarkText = 12;
constexpr int kTitleText = 15;
// The keyboard cursor's steps, in minutes.
constexpr double kCursorStep = 10;
constexpr double kBigCursorStep = 60;

QFont sized(QFont font, int pixels, bool bold = false)
{
    font.setPixelSize(pixels);
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

// The runs of a line that lie inside rect, each segment cut at the rect's edges (Liang and
// Barsky): the curves are clipped by arithmetic, since an SVG file ignores the painter's clip.
QList<QPolygonF> clippedRuns(const QPolygonF &line, const QRectF &rect)
{
    QList<QPolygonF> runs;
    QPolygonF run;
    const auto endRun = [&] {
        if (run.size() > 1)
            runs.append(run);
        run.clear();
    };
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i];
        const QPointF d = line[i + 1] - a;
        double enter = 0;
        double leave = 1;
        // The part of the segment where p * t <= q.
        const auto keep = [&](double p, double q) {
            if (p == 0)
                return q >= 0;
            const double t = q / p;
            if (p < 0)
                enter = std::max(enter, t);
            else
                leave = std::min(leave, t);
            return enter <= leave;
        };
        if (!(keep(-d.x(), a.x() - rect.left()) && keep(d.x(), rect.right() - a.x())
              && keep(-d.y(), a.y() - rect.top()) && keep(d.y(), rect.bottom() - a.y()))) {
            endRun();
            continue;
        }
        if (enter > 0)
            endRun();
        if (run.isEmpty())
            run << a + enter * d;
        run << a + leave * d;
        if (leave < 1)
            endRun();
    }
    endRun();
    return runs;
}

} // namespace

NightChart::NightChart(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(AlgolPlanner::tr("Night chart"));
    setFocusPolicy(Qt::StrongFocus);
}

void NightChart::setLog(ChartLog log)
{
    m_log = std::move(log);
    update();
}

void NightChart::setData(ChartData data)
{
    const bool sameNight = data.night.fromJdUtc == m_data.night.fromJdUtc
        && data.night.toJdUtc == m_data.night.toJdUtc
        && data.night.minimumJdUtc == m_data.night.minimumJdUtc;
    m_data = std::move(data);
    setAccessibleDescription(m_data.title + QLatin1String(": ") + m_data.minimumLabel);
    if (!sameNight)
        moveCursorTo(std::nullopt);
    else if (m_cursorJd)
        emit readoutChanged(readoutAt(*m_cursorJd));
    update();
}

QRectF NightChart::plotArea(const QRectF &area) const
{
    const double top = legendOnTwoLines(area) ? kNarrowTopMargin : kTopMargin;
    return area.adjusted(kLeftMargin, top, -kRightMargin, -kBottomMargin);
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

double NightChart::yOfMagnitude(double magnitude, const QRectF &plot, const MagnitudeSpan &span)
{
    return plot.top() + (magnitude - span.brightest) / (span.faintest - span.brightest) * plot.height();
}

void NightChart::paint(QPainter &painter, const QRectF &area, const ChartPalette &palette) const
{
    painter.save();
    painter.fillRect(area, palette.frame);
    const QRectF plot = plotArea(area);
    if (!m_data.isValid() || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(palette.faintText);
        painter.setFont(sized(painter.font(), kTitleText));
        painter.drawText(area, Qt::AlignCenter, AlgolPlanner::tr("No night to show"));
        painter.restore();
        return;
    }
    // Straight lines at whole pixels need no antialiasing, and are much cheaper without it.
    drawBands(painter, plot, palette);
    drawGrid(painter, plot, palette);
    drawComparisonStars(painter, plot, palette);
    drawWatchable(painter, plot, palette);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCurves(painter, plot, palette);
    drawMarks(painter, plot, palette);
    drawLog(painter, plot, palette);
    drawLegend(painter, area, plot, palette);
    drawLogLegend(painter, area, plot, palette);
    painter.restore();
}

void NightChart::drawBands(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    for (const sky::SkyBand &band : m_data.night.bands) {
        const double left = xOf(band.fromJdUtc, plot);
        const double right = xOf(band.toJdUtc, plot);
        const QColor colour = palette.ofState(band.state);
        painter.fillRect(QRectF(QPointF(left, plot.top()), QPointF(right, plot.bottom())), colour);
        // The hour lines, a little towards the grid's colour from the band: opaque, since a
        // translucent vertical line is blended row by row and costs ten times more.
        const auto towardsGrid = [](float band, float grid) { return band * 0.86f + grid * 0.14f; };
        const QColor line = QColor::fromRgbF(towardsGrid(colour.redF(), palette.grid.redF()),
                                             towardsGrid(colour.greenF(), palette.grid.greenF()),
                                             towardsGrid(colour.blueF(), palette.grid.blueF()));
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

void NightChart::drawGrid(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    const QFont small = sized(painter.font(), kSmallText);
    painter.setFont(small);
    const QFontMetricsF metrics(small);

    // Altitudes on the left, every 15 degrees.
    for (int altitude = 0; altitude <= 90; altitude += 15) {
        const double y = yOfAltitude(altitude, plot);
        // A translucent line costs a hundred times more drawn than filled.
        QColor line = palette.grid;
        line.setAlpha(altitude == 0 ? 90 : 28);
        painter.fillRect(QRectF(plot.left(), std::round(y), plot.width(), 1), line);
        painter.setPen(palette.faintText);
        painter.drawText(QRectF(plot.left() - kLeftMargin, y - 8, kLeftMargin - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(altitude));
    }
    // Magnitudes on the right, brighter upwards, every half magnitude but at the bottom edge
    // (Algol's 2.0 to 3.5).
    const MagnitudeSpan &span = m_data.magnitudes;
    for (double magnitude = std::ceil(span.brightest / kMagnitudeLabelStep) * kMagnitudeLabelStep;
         magnitude <= span.faintest - 0.49; magnitude += kMagnitudeLabelStep) {
        const double y = yOfMagnitude(magnitude, plot, span);
        painter.setPen(palette.magnitude);
        painter.drawText(QRectF(plot.right() + 6, y - 8, kRightMargin - 6, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, m_data.locale.toString(magnitude, 'f', 1));
    }
    // Hours along the bottom, minute marks between them unless the times are rounded.
    double lastLabelRight = -1e9;
    for (const ChartTick &tick : m_data.ticks) {
        const double x = xOf(tick.jdUtc, plot);
        const bool hour = !tick.label.isEmpty();
        painter.setPen(QPen(palette.faintText, 1));
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
        QColor gold = palette.algolAltitude;
        gold.setAlpha(150);
        painter.setPen(QPen(gold, 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

void NightChart::drawComparisonStars(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    const QFont small = sized(painter.font(), kSmallText);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    QColor line = palette.comparison;
    line.setAlpha(120);
    // The lines in one call (see drawBands), through the middle of a row of pixels and
    // antialiased: the raster engine's fast way for a translucent dotted line.
    if (m_data.stars.isEmpty() && !m_data.comparisonNote.isEmpty()) {
        // One line at the top right, cut short on a narrow chart.
        const QString note = metrics.elidedText(m_data.comparisonNote, Qt::ElideRight, plot.width() - 16);
        const double width = metrics.horizontalAdvance(note) + 8;
        const QRectF box(plot.right() - width - 4, plot.top() + 4, width, metrics.height());
        painter.fillRect(box, palette.labelBox);
        painter.setPen(palette.comparison);
        painter.drawText(box, Qt::AlignCenter, note);
        return;
    }
    QList<QLineF> lines;
    for (const ComparisonStar &star : m_data.stars) {
        const double y = std::floor(yOfMagnitude(star.magnitude, plot, m_data.magnitudes)) + 0.5;
        lines.append(QLineF(plot.left(), y, plot.right(), y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(line, 1, Qt::DotLine));
    painter.drawLines(lines);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Labels in a column at the right end, pushed down so that none covers another.
    double nextFreeY = plot.top();
    for (const ComparisonStar &star : m_data.stars) {
        const double y = yOfMagnitude(star.magnitude, plot, m_data.magnitudes);
        const QString text = star.label + QLatin1Char(' ')
            + m_data.locale.toString(star.magnitude, 'f', 1);
        const double height = metrics.height();
        const double top = std::max(y - height / 2, nextFreeY);
        if (top + height > plot.bottom())
            break; // a short chart: the fainter stars keep their lines only
        const double width = metrics.horizontalAdvance(text) + 8;
        const QRectF box(plot.right() - width - 4, top, width, height);
        painter.fillRect(box, palette.labelBox);
        painter.setPen(palette.comparison);
        painter.drawText(box, Qt::AlignCenter, text);
        nextFreeY = top + height + 1;
    }
}

void NightChart::drawCurves(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    const std::vector<sky::NightSample> &samples = m_data.night.samples;
    QPolygonF moon, algol, magnitude, band;
    for (const sky::NightSample &s : samples) {
        const double x = xOf(s.jdUtc, plot);
        moon << QPointF(x, yOfAltitude(s.moonAltitudeDeg, plot));
        algol << QPointF(x, yOfAltitude(s.algolAltitudeDeg, plot));
        magnitude << QPointF(x, yOfMagnitude(s.magnitude, plot, m_data.magnitudes));
    }
    // The uncertainty's shade where it has a width: over the eclipse.
    const auto spread = [](const sky::NightSample &s) {
        return s.faintestMagnitude - s.brightestMagnitude > 1e-3;
    };
    for (const sky::NightSample &s : samples)
        if (spread(s))
            band << QPointF(xOf(s.jdUtc, plot), yOfMagnitude(s.brightestMagnitude, plot, m_data.magnitudes));
    for (auto s = samples.rbegin(); s != samples.rend(); ++s)
        if (spread(*s))
            band << QPointF(xOf(s->jdUtc, plot), yOfMagnitude(s->faintestMagnitude, plot, m_data.magnitudes));
    if (!plot.contains(band.boundingRect()))
        band = band.intersected(QPolygonF(plot));

    // A thick polyline stroked as one path over the whole chart costs several times more than
    // its segments one by one; straight stretches (Algol's light out of eclipse) are one segment,
    // so that no joins show along them.
    const auto drawSegments = [&](const QPolygonF &line) {
        for (const QPolygonF &run : clippedRuns(line, plot)) {
            const QPolygonF simple = straightened(run);
            for (qsizetype i = 0; i + 1 < simple.size(); ++i)
                painter.drawLine(simple[i], simple[i + 1]);
        }
    };
    painter.setPen(QPen(palette.moonAltitude, 1, Qt::DashLine));
    for (const QPolygonF &run : clippedRuns(moon, plot))
        painter.drawPolyline(run);
    painter.setPen(QPen(palette.algolAltitude, 2.2, Qt::SolidLine, Qt::FlatCap));
    drawSegments(algol);
    QColor shade = palette.magnitude;
    shade.setAlpha(70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(band);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.magnitude, 3, Qt::SolidLine, Qt::FlatCap));
    drawSegments(magnitude);
}

void NightChart::drawWatchable(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    // Along the bottom, the hours around the minimum that the list's column counts, and the
    // watchable part of them; whole pixels, so that the spans show no seams.
    const double top = plot.bottom() + 1;
    const auto strip = [&](double fromJd, double toJd, const QColor &colour) {
        const double left = std::round(std::max(xOf(fromJd, plot), plot.left()));
        const double right = std::round(std::min(xOf(toJd, plot), plot.right()));
        if (right > left)
            painter.fillRect(QRectF(left, top, right - left, kWatchableStripHeight), colour);
    };
    strip(m_data.watchFromJdUtc, m_data.watchToJdUtc, palette.watchWindow);
    for (const ChartSpan &span : m_data.watchableSpans)
        strip(span.fromJdUtc, span.toJdUtc, palette.watchable);
}

void NightChart::drawMarks(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    const std::vector<sky::NightSample> &samples = m_data.night.samples;
    painter.setFont(sized(painter.font(), kMarkText, true));
    const QFontMetricsF metrics(painter.font());
    // The minimum: a mark under the lowest point of the curve, with its time; so too the star's
    // other minima in the night.
    const auto markMinimum = [&](double minimumJd, const QString &label) {
        const auto at = sampleAt(samples, minimumJd);
        if (!at)
            return;
        const QPointF bottom(xOf(minimumJd, plot), yOfMagnitude(at->magnitude, plot, m_data.magnitudes));
        painter.setPen(QPen(palette.magnitude, 1, Qt::DashLine));
        painter.drawLine(QPointF(bottom.x(), bottom.y() + 6), QPointF(bottom.x(), plot.bottom()));
        const double width = metrics.horizontalAdvance(label) + 10;
        const double left = std::clamp(bottom.x() - width / 2, plot.left(), plot.right() - width);
        const QRectF box(left, std::min(bottom.y() + 10, plot.bottom() - metrics.height() - 4), width,
                         metrics.height() + 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.labelBox);
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(palette.magnitude);
        painter.drawText(box, Qt::AlignCenter, label);
    };
    markMinimum(m_data.night.minimumJdUtc, m_data.minimumLabel);
    for (const ChartMinimum &other : m_data.otherMinima)
        markMinimum(other.jdUtc, other.label);
    // The present moment.
    if (m_data.nowJdUtc) {
        const double x = xOf(*m_data.nowJdUtc, plot);
        painter.setPen(QPen(palette.now, 2));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString now = AlgolPlanner::tr("now");
        const double width = metrics.horizontalAdvance(now) + 10;
        const QRectF box(std::clamp(x - width / 2, plot.left(), plot.right() - width), plot.top() + 4,
                         width, metrics.height() + 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.labelBox);
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(palette.now);
        painter.drawText(box, Qt::AlignCenter, now);
    }
    // The cursor, of the pointer or the keys.
    if (m_cursorJd) {
        const double x = xOf(*m_cursorJd, plot);
        painter.setPen(QPen(palette.cursor, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void NightChart::drawLog(QPainter &painter, const QRectF &plot, const ChartPalette &palette) const
{
    if (m_log.isEmpty())
        return;
    // What falls outside the plot is left out: the SVG file ignores the painter's clip.
    const auto inside = [&](QPointF at) { return plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(at); };
    for (const ChartTiming &timing : m_log.timings) {
        QPolygonF eclipse;
        for (const QPointF &point : timing.eclipse)
            eclipse << QPointF(xOf(point.x(), plot), yOfMagnitude(point.y(), plot));
        painter.setPen(QPen(palette.timing, 2));
        for (const QPolygonF &run : clippedRuns(eclipse, plot))
            painter.drawPolyline(run);
    }
    // The points: the imported ones first, the observer's own estimates over them.
    QPainterPath dots, arrows;
    QList<QPointF> dotCentres;
    std::array<QPainterPath, std::tuple_size_v<decltype(palette.bands)>> bands;
    for (const ChartPoint &point : m_log.points) {
        const QPointF at(xOf(point.jdUtc, plot), yOfMagnitude(point.magnitude, plot));
        if (!inside(at))
            continue;
        switch (point.kind) {
        case ChartPoint::Kind::Imported:
            bands[std::size_t(point.band) % bands.size()].addRect(
                QRectF(at.x() - kSquareHalf, at.y() - kSquareHalf, 2 * kSquareHalf, 2 * kSquareHalf));
            break;
        case ChartPoint::Kind::Estimate:
            dots.addEllipse(at, kDotRadius, kDotRadius);
            dotCentres.append(at);
            break;
        case ChartPoint::Kind::FainterThan: {
            // A bar at the limit and an arrow down, towards fainter.
            const double tip = std::min(at.y() + kArrowLength, plot.bottom());
            arrows.moveTo(at.x() - kArrowHalf, at.y());
            arrows.lineTo(at.x() + kArrowHalf, at.y());
            arrows.moveTo(at.x(), at.y());
            arrows.lineTo(at.x(), tip);
            arrows.moveTo(at.x() - kArrowHalf + 1, tip - kArrowHalf);
            arrows.lineTo(at.x(), tip);
            arrows.lineTo(at.x() + kArrowHalf - 1, tip - kArrowHalf);
            break;
        }
        }
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < bands.size(); ++i)
        painter.fillPath(bands[i], palette.bands[i]);
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        // On the screen and in a picture, one image of a dot copied to each: a tenth of the cost
        // of as many antialiased circles, which an estimate added would pay at every paint.
        const QImage &dot = dotImage(palette, painter.device()->devicePixelRatio());
        const QPointF centre = QRectF(QPointF(0, 0), dot.deviceIndependentSize()).center();
        for (const QPointF &at : dotCentres)
            painter.drawImage(QPointF(std::round(at.x() - centre.x()), std::round(at.y() - centre.y())), dot);
    } else {
        painter.setPen(QPen(palette.frame, 1));
        painter.setBrush(palette.estimate);
        painter.drawPath(dots);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.estimate, 1.6));
    painter.drawPath(arrows);

    // Each timed minimum: a diamond where the light was lowest, its error bar across the time, its
    // label above.
    painter.setFont(sized(painter.font(), kMarkText, true));
    const QFontMetricsF metrics(painter.font());
    for (const ChartTiming &timing : m_log.timings) {
        const double x = xOf(timing.minimumJdUtc, plot);
        const double y = std::clamp(yOfMagnitude(timing.magnitude, plot), plot.top() + 30, plot.bottom() - 4);
        if (x < plot.left() || x > plot.right())
            continue;
        const double left = std::max(xOf(timing.minimumJdUtc - timing.errorDays, plot), plot.left());
        const double right = std::min(xOf(timing.minimumJdUtc + timing.errorDays, plot), plot.right());
        painter.setPen(QPen(palette.timing, 2));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        painter.drawLine(QPointF(left, y - 5), QPointF(left, y + 5));
        painter.drawLine(QPointF(right, y - 5), QPointF(right, y + 5));
        painter.setPen(QPen(palette.frame, 1));
        painter.setBrush(palette.timing);
        painter.drawPolygon(QPolygonF({QPointF(x, y - kDiamondHalf), QPointF(x + kDiamondHalf, y),
                                       QPointF(x, y + kDiamondHalf), QPointF(x - kDiamondHalf, y)}));
        const double width = metrics.horizontalAdvance(timing.label) + 10;
        const QRectF box(std::clamp(x - width / 2, plot.left(), plot.right() - width),
                         y - kDiamondHalf - 6 - metrics.height() - 2, width, metrics.height() + 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.labelBox);
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(palette.timing);
        painter.drawText(box, Qt::AlignCenter, timing.label);
    }
    painter.setBrush(Qt::NoBrush);
}

const QImage &NightChart::dotImage(const ChartPalette &palette, qreal pixelRatio) const
{
    if (m_dot.isNull() || m_dotColour != palette.estimate.rgba() || m_dotOutline != palette.frame.rgba()
        || m_dot.devicePixelRatio() != pixelRatio) {
        const int size = int(std::ceil(2 * kDotRadius + 2));
        m_dot = QImage(QSize(size, size) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
        m_dot.setDevicePixelRatio(pixelRatio);
        m_dot.fill(Qt::transparent);
        QPainter painter(&m_dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette.frame, 1));
        painter.setBrush(palette.estimate);
        painter.drawEllipse(QPointF(size / 2.0, size / 2.0), kDotRadius, kDotRadius);
        m_dotColour = palette.estimate.rgba();
        m_dotOutline = palette.frame.rgba();
    }
    return m_dot;
}

void NightChart::drawLogLegend(QPainter &painter, const QRectF &area, const QRectF &plot,
                               const ChartPalette &palette) const
{
    // On the title's line, at its right end: only what the log holds.
    bool estimates = false, fainter = false;
    for (const ChartPoint &point : m_log.points) {
        estimates = estimates || point.kind == ChartPoint::Kind::Estimate;
        fainter = fainter || point.kind == ChartPoint::Kind::FainterThan;
    }
    struct Item
    {
        QString text;
        std::function<void(QPointF)> mark;
    };
    QList<Item> items;
    if (estimates)
        items.append({AlgolPlanner::tr("your estimates"), [&](QPointF at) {
                          painter.setPen(QPen(palette.frame, 1));
                          painter.setBrush(palette.estimate);
                          painter.drawEllipse(at, kDotRadius, kDotRadius);
                      }});
    if (fainter)
        items.append({AlgolPlanner::tr("fainter than"), [&](QPointF at) {
                          painter.setPen(QPen(palette.estimate, 1.6));
                          painter.drawLine(at + QPointF(-kArrowHalf, -5), at + QPointF(kArrowHalf, -5));
                          painter.drawLine(at + QPointF(0, -5), at + QPointF(0, 6));
                          painter.drawLine(at + QPointF(-3, 2), at + QPointF(0, 6));
                          painter.drawLine(at + QPointF(3, 2), at + QPointF(0, 6));
                      }});
    for (qsizetype i = 0; i < m_log.bands.size(); ++i)
        items.append({m_log.bands[i], [&, i](QPointF at) {
                          painter.fillRect(QRectF(at.x() - kSquareHalf, at.y() - kSquareHalf, 2 * kSquareHalf,
                                                  2 * kSquareHalf),
                                           palette.bands[std::size_t(i) % palette.bands.size()]);
                      }});
    if (!m_log.timings.isEmpty())
        items.append({AlgolPlanner::tr("timed minimum"), [&](QPointF at) {
                          painter.setPen(QPen(palette.frame, 1));
                          painter.setBrush(palette.timing);
                          painter.drawPolygon(QPolygonF({at + QPointF(0, -kDiamondHalf), at + QPointF(kDiamondHalf, 0),
                                                         at + QPointF(0, kDiamondHalf), at + QPointF(-kDiamondHalf, 0)}));
                      }});
    if (items.isEmpty())
        return;
    // As many as the title leaves room for, from the first.
    const double titleRight = plot.left()
        + QFontMetricsF(sized(painter.font(), kTitleText, true)).horizontalAdvance(m_data.title) + 16;
    painter.setFont(sized(painter.font(), kSmallText));
    const QFontMetricsF metrics(painter.font());
    constexpr double kMarkRoom = 28; // the mark and the gaps around it
    const auto widthOf = [&](const Item &item) { return kMarkRoom + metrics.horizontalAdvance(item.text); };
    double total = 0;
    for (const Item &item : items)
        total += widthOf(item);
    while (!items.isEmpty() && plot.right() - total < titleRight) {
        total -= widthOf(items.back());
        items.removeLast();
    }
    const double y = area.top() + 14;
    double x = plot.right() - total;
    for (const Item &item : items) {
        item.mark(QPointF(x + 16, y));
        painter.setPen(palette.faintText);
        painter.drawText(QRectF(x + 28, y - 8, widthOf(item) - kMarkRoom + 2, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         item.text);
        x += widthOf(item);
    }
    painter.setBrush(Qt::NoBrush);
}

void NightChart::drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot,
                            const ChartPalette &palette) const
{
    painter.setFont(sized(painter.font(), kTitleText, true));
    painter.setPen(palette.text);
    const QRectF titleBox(plot.left(), area.top() + 4, plot.width(), 20);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, m_data.title);

    painter.setFont(sized(painter.font(), kSmallText));
    const QFontMetricsF metrics(painter.font());
    const QStringList texts = legendTexts();
    const QPen pens[] = {QPen(palette.algolAltitude, 2.2), QPen(palette.moonAltitude, 1, Qt::DashLine),
                         QPen(palette.magnitude, 3), QPen(palette.watchable, 5)};
    const bool twoLines = legendOnTwoLines(area);
    double x = plot.left();
    double y = area.top() + 32;
    for (int i = 0; i < texts.size(); ++i) {
        if (twoLines && i == 2) {
            x = plot.left();
            y += 16;
        }
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter.setPen(palette.faintText);
        const double width = metrics.horizontalAdvance(texts[i]);
        painter.drawText(QRectF(x + 23, y - 8, width + 2, 16), Qt::AlignLeft | Qt::AlignVCenter, texts[i]);
        x += kLegendItemRoom + width;
    }
}

QStringList NightChart::legendTexts() const
{
    if (!m_data.isValid())
        return {};
    const double moonLit = sampleAt(m_data.night.samples, m_data.night.minimumJdUtc)
                               .value_or(m_data.night.samples.front()).moonIlluminatedFraction;
    return {m_data.altitudeLegend, AlgolPlanner::tr("Moon's altitude (%1 % lit)").arg(std::lround(moonLit * 100)),
            m_data.magnitudeLegend, m_data.watchLegend};
}

bool NightChart::legendOnTwoLines(const QRectF &area) const
{
    if (area.width() < kNarrowChart)
        return true;
    const QFontMetricsF metrics(sized(font(), kSmallText));
    double width = 0;
    for (const QString &text : legendTexts())
        width += kLegendItemRoom + metrics.horizontalAdvance(text);
    return width > area.width() - kLeftMargin - kRightMargin;
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
    if (m_data.star != &sky::algolStar())
        return AlgolPlanner::tr("%1: %2 %3° high, magnitude %4; Moon %5°; Sun %6°")
            .arg(time, listing::starLabel(*m_data.star), l.toString(at->algolAltitudeDeg, 'f', 0),
                 l.toString(at->magnitude, 'f', 2), l.toString(at->moonAltitudeDeg, 'f', 0),
                 l.toString(at->sunAltitudeDeg, 'f', 0));
    return AlgolPlanner::tr("%1: Algol %2° high, magnitude %3; Moon %4°; Sun %5°")
        .arg(time, l.toString(at->algolAltitudeDeg, 'f', 0), l.toString(at->magnitude, 'f', 2),
             l.toString(at->moonAltitudeDeg, 'f', 0), l.toString(at->sunAltitudeDeg, 'f', 0));
}

void NightChart::moveCursorTo(std::optional<double> jdUtc)
{
    if (jdUtc && m_data.isValid())
        jdUtc = std::clamp(*jdUtc, m_data.night.fromJdUtc, m_data.night.toJdUtc);
    else
        jdUtc.reset();
    if (jdUtc == m_cursorJd)
        return;
    m_cursorJd = jdUtc;
    update();
    emit readoutChanged(m_cursorJd ? readoutAt(*m_cursorJd) : QString());
}

void NightChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect());
    if (hasFocus()) {
        painter.setPen(QPen(ChartPalette::screen().text, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void NightChart::mouseMoveEvent(QMouseEvent *event)
{
    const QRectF plot = plotArea(rect());
    const double x = event->position().x();
    if (!m_data.isValid() || x < plot.left() || x > plot.right()) {
        moveCursorTo(std::nullopt);
        return;
    }
    moveCursorTo(m_data.night.fromJdUtc
                 + (x - plot.left()) / plot.width() * (m_data.night.toJdUtc - m_data.night.fromJdUtc));
}

void NightChart::leaveEvent(QEvent *)
{
    if (!hasFocus())
        moveCursorTo(std::nullopt);
}

void NightChart::keyPressEvent(QKeyEvent *event)
{
    if (!m_data.isValid()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double from = m_cursorJd.value_or(m_data.night.minimumJdUtc);
    const double step = (event->modifiers() & Qt::ShiftModifier ? kBigCursorStep : kCursorStep) / 1440;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursorTo(m_cursorJd ? from - step : from);
        break;
    case Qt::Key_Right:
        moveCursorTo(m_cursorJd ? from + step : from);
        break;
    case Qt::Key_Home:
        moveCursorTo(m_data.night.fromJdUtc);
        break;
    case Qt::Key_End:
        moveCursorTo(m_data.night.toJdUtc);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void NightChart::focusInEvent(QFocusEvent *event)
{
    // The cursor starts at the minimum, where the eye goes first.
    if (!m_cursorJd && m_data.isValid())
        moveCursorTo(m_data.night.minimumJdUtc);
    update();
    QWidget::focusInEvent(event);
}

void NightChart::focusOutEvent(QFocusEvent *event)
{
    moveCursorTo(std::nullopt);
    update();
    QWidget::focusOutEvent(event);
}

} // namespace planner
