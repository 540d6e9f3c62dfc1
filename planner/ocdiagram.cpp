#include "ocdiagram.h"

#include "wording.h"
#include "zonetime.h"

#include "timetypes.h"

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace planner {

// The colours of a scheme.
struct OcColours
{
    QColor frame, plot, grid, zero, text, faintText, bar, point, flagged, rejected, fit, current;
};

namespace {

using Flag = timing::Residual::Flag;

constexpr double kLeftMargin = 64;
constexpr double kRightMargin = 20;
constexpr double kTopMargin = 88;
constexpr double kBottomMargin = 30;
constexpr double kPointRadius = 3;
constexpr double kMarkSize = 4.5;  // half the width of a flagged or rejected timing's mark
constexpr double kReachPixels = 8; // how near the pointer must come to a point

// On screen, like the night chart; on paper, dark ink on white.
const OcColours kDark{
    {18, 24, 40},    {15, 22, 46},   {40, 50, 78},    {200, 205, 220}, {226, 232, 245},
    {160, 172, 198}, {110, 128, 168}, {235, 240, 255}, {255, 176, 64},  {255, 96, 96},
    {110, 220, 140}, {255, 207, 92}};
const OcColours kLight{
    {255, 255, 255}, {255, 255, 255}, {222, 226, 234}, {60, 64, 72},   {20, 24, 32},
    {80, 88, 104},   {140, 150, 170}, {24, 64, 160},   {214, 110, 0},  {200, 30, 30},
    {0, 140, 70},    {200, 120, 0}};

const OcColours &coloursOf(OcDiagram::Scheme scheme)
{
    return scheme == OcDiagram::Scheme::Dark ? kDark : kLight;
}

QFont sized(QFont font, double points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The mark of a flagged (an open diamond) or rejected (a cross) timing, added to a path to stroke.
void addMark(QPainterPath &path, Flag flag, QPointF at)
{
    const double s = kMarkSize;
    if (flag == Flag::Flagged) {
        path.moveTo(at.x(), at.y() - s);
        path.lineTo(at.x() + s, at.y());
        path.lineTo(at.x(), at.y() + s);
        path.lineTo(at.x() - s, at.y());
        path.closeSubpath();
    } else {
        path.moveTo(at.x() - s, at.y() - s);
        path.lineTo(at.x() + s, at.y() + s);
        path.moveTo(at.x() - s, at.y() + s);
        path.lineTo(at.x() + s, at.y() - s);
    }
}

void drawMarker(QPainter &painter, Flag flag, QPointF at, const OcColours &colours)
{
    if (flag == Flag::Kept) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.point);
        painter.drawEllipse(at, kPointRadius, kPointRadius);
        painter.setBrush(Qt::NoBrush);
        return;
    }
    QPainterPath path;
    addMark(path, flag, at);
    painter.strokePath(path, QPen(flag == Flag::Flagged ? colours.flagged : colours.rejected, 1.6));
}

} // namespace

OcDiagram::OcDiagram(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(OcTexts::tr("O−C diagram"));
}

void OcDiagram::setData(OcData data)
{
    m_data = std::move(data);
    m_current.reset();
    setAccessibleDescription(m_data.title);
    update();
}

QRectF OcDiagram::plotArea(const QRectF &area)
{
    return area.adjusted(kLeftMargin, kTopMargin, -kRightMargin, -kBottomMargin);
}

double OcDiagram::xOf(double date, const QRectF &plot) const
{
    const double span = m_data.toDate - m_data.fromDate;
    return span > 0 ? plot.left() + (date - m_data.fromDate) / span * plot.width() : plot.left();
}

double OcDiagram::yOf(double minutes, const QRectF &plot) const
{
    const double span = m_data.highMinutes - m_data.lowMinutes;
    return span > 0 ? plot.bottom() - (minutes - m_data.lowMinutes) / span * plot.height() : plot.bottom();
}

void OcDiagram::paint(QPainter &painter, const QRectF &area, Scheme scheme) const
{
    const OcColours &colours = coloursOf(scheme);
    painter.save();
    painter.fillRect(area, colours.frame);
    const QRectF plot = plotArea(area);
    if (!m_data.isValid() || plot.width() < 10 || plot.height() < 10) {
        painter.setPen(colours.faintText);
        painter.setFont(sized(painter.font(), 11));
        painter.drawText(area, Qt::AlignCenter, OcTexts::tr("No timings to show"));
        painter.restore();
        return;
    }
    painter.fillRect(plot, colours.plot);
    drawGrid(painter, area, plot, colours);
    drawPoints(painter, plot, colours);
    drawLegend(painter, area, plot, colours);
    painter.restore();
}

void OcDiagram::drawGrid(QPainter &painter, const QRectF &area, const QRectF &plot,
                         const OcColours &colours) const
{
    const QFont small = sized(painter.font(), 8.5);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    painter.setPen(colours.faintText);

    // Lines one pixel high or wide are filled, not drawn: much cheaper, and sharp without
    // antialiasing.
    for (const OcTick &tick : m_data.minuteTicks) {
        const double y = std::round(yOf(tick.at, plot));
        painter.fillRect(QRectF(plot.left(), y, plot.width(), 1), colours.grid);
        painter.drawText(QRectF(area.left(), y - 8, plot.left() - area.left() - 6, 16),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    painter.save();
    painter.translate(area.left() + 14, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -8, plot.height(), 16), Qt::AlignCenter,
                     OcTexts::tr("O−C (minutes)"));
    painter.restore();

    // Dates along the bottom, cycles along the top; a label that would touch the last is left out.
    const auto drawColumn = [&](const QList<OcTick> &ticks, bool top) {
        double lastRight = -1e9;
        for (const OcTick &tick : ticks) {
            const double x = std::round(xOf(tick.at, plot));
            if (x < plot.left() || x > plot.right())
                continue;
            if (!top)
                painter.fillRect(QRectF(x, plot.top(), 1, plot.height()), colours.grid);
            painter.fillRect(QRectF(x, top ? plot.top() - 4 : plot.bottom(), 1, 4), colours.faintText);
            const double width = metrics.horizontalAdvance(tick.label);
            if (x - width / 2 <= lastRight + 8)
                continue;
            const double y = top ? plot.top() - 5 - metrics.height() : plot.bottom() + 5;
            const double left = std::clamp(x - width / 2 - 2, area.left(), area.right() - width - 4);
            painter.drawText(QRectF(left, y, width + 4, metrics.height()), Qt::AlignCenter, tick.label);
            lastRight = left + width + 4;
        }
    };
    drawColumn(m_data.dateTicks, false);
    drawColumn(m_data.cycleTicks, true);
    painter.drawText(QRectF(area.left(), plot.top() - 9 - metrics.height(), plot.left() - area.left() - 6,
                            metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, OcTexts::tr("E"));

    // The elements in use: zero.
    painter.fillRect(QRectF(plot.left(), std::round(yOf(0, plot)) - 1, plot.width(), 2), colours.zero);
}

void OcDiagram::drawPoints(QPainter &painter, const QRectF &plot, const OcColours &colours) const
{
    painter.save();
    painter.setClipRect(plot);
    // The fitted elements.
    if (m_data.fit) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colours.fit, 2, Qt::DashLine, Qt::FlatCap));
        painter.drawLine(QPointF(plot.left(), yOf(m_data.fit->fromMinutes, plot)),
                         QPointF(plot.right(), yOf(m_data.fit->toMinutes, plot)));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    // The error bars, one pixel wide, cut at the plot's edges: a timing with a huge error neither
    // widens the scale nor runs off the page. Bars in the same column of pixels are merged first
    // and filled as opaque rectangles: ten thousand bars overlap in a crowded diagram, and drawn
    // one by one as lines they take 16 ms at 1920 x 1080.
    struct Span
    {
        double x, top, bottom;
    };
    std::vector<Span> spans;
    spans.reserve(std::size_t(m_data.points.size()));
    QList<QPointF> centres;
    centres.reserve(m_data.points.size());
    for (const OcPoint &point : m_data.points) {
        const double minutes = point.ocDays * ephemeris::kMinutesPerDay;
        const double error = point.errorDays * ephemeris::kMinutesPerDay;
        const QPointF centre(xOf(point.date, plot), yOf(minutes, plot));
        centres.append(centre);
        const double top = std::round(std::max(plot.top(), yOf(minutes + error, plot)));
        const double bottom = std::round(std::min(plot.bottom(), yOf(minutes - error, plot)));
        if (bottom - top > 2 * kPointRadius)
            spans.push_back({std::floor(centre.x()), top, bottom});
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span &a, const Span &b) { return a.x != b.x ? a.x < b.x : a.top < b.top; });
    for (std::size_t i = 0; i < spans.size();) {
        Span merged = spans[i];
        for (++i; i < spans.size() && spans[i].x == merged.x && spans[i].top <= merged.bottom; ++i)
            merged.bottom = std::max(merged.bottom, spans[i].bottom);
        painter.fillRect(QRectF(merged.x, merged.top, 1, merged.bottom - merged.top), colours.bar);
    }

    // The points. On an image, each kind's mark is drawn once and copied to every point: ten
    // thousand antialiased circles drawn one by one take 60 ms at 1920 x 1080, as one path two
    // seconds, copied 1 ms. On a vector device (SVG, PDF, printer) each is drawn.
    painter.setRenderHint(QPainter::Antialiasing);
    const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster
        && painter.transform().type() <= QTransform::TxTranslate;
    if (raster) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        const int side = int(2 * kMarkSize + 4);
        QImage marks[3];
        for (int kind = 0; kind < 3; ++kind) {
            marks[kind] = QImage(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
            marks[kind].setDevicePixelRatio(ratio);
            marks[kind].fill(Qt::transparent);
            QPainter mark(&marks[kind]);
            mark.setRenderHint(QPainter::Antialiasing);
            drawMarker(mark, Flag(kind), QPointF(side, side) / 2, colours);
        }
        for (qsizetype i = 0; i < m_data.points.size(); ++i) {
            const QPointF at(std::round(centres[i].x() - side / 2.0), std::round(centres[i].y() - side / 2.0));
            painter.drawImage(at, marks[int(m_data.points[i].flag)]);
        }
    } else {
        for (qsizetype i = 0; i < m_data.points.size(); ++i)
            drawMarker(painter, m_data.points[i].flag, centres[i], colours);
    }
    if (m_current && *m_current < centres.size()) {
        painter.setPen(QPen(colours.current, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centres[*m_current], kPointRadius + 4, kPointRadius + 4);
    }
    painter.restore();
}

void OcDiagram::drawLegend(QPainter &painter, const QRectF &area, const QRectF &plot,
                           const OcColours &colours) const
{
    painter.setFont(sized(painter.font(), 11, true));
    painter.setPen(colours.text);
    painter.drawText(QRectF(plot.left(), area.top() + 4, plot.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                     m_data.title);

    painter.setFont(sized(painter.font(), 8.5));
    const QFontMetricsF metrics(painter.font());
    painter.setRenderHint(QPainter::Antialiasing);
    double x = plot.left();
    const auto text = [&](const QString &label, double y) {
        painter.setPen(colours.faintText);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x, y - 8, width + 2, 16), Qt::AlignLeft | Qt::AlignVCenter, label);
        x += width + 16;
    };
    // The marks, then the lines.
    double y = area.top() + 34;
    const std::pair<Flag, QString> marks[] = {
        {Flag::Kept, OcTexts::tr("timing, with its error")},
        {Flag::Flagged, OcTexts::tr("beyond 3 sigma of the fit")},
        {Flag::Rejected, OcTexts::tr("left out of the fit")}};
    for (const auto &[flag, label] : marks) {
        drawMarker(painter, flag, QPointF(x + 6, y), colours);
        x += 16;
        text(label, y);
    }
    x = plot.left();
    y = area.top() + 52;
    painter.fillRect(QRectF(x, y - 1, 18, 2), colours.zero);
    x += 23;
    text(OcTexts::tr("zero: %1").arg(m_data.zeroLabel), y);
    if (m_data.fit) {
        painter.setPen(QPen(colours.fit, 2, Qt::DashLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        x += 23;
        text(m_data.fitLabel, y);
    }
}

std::optional<qsizetype> OcDiagram::pointAt(QPointF position, const QRectF &area) const
{
    const QRectF plot = plotArea(area);
    if (!m_data.isValid() || !plot.adjusted(-kReachPixels, -kReachPixels, kReachPixels, kReachPixels).contains(position))
        return std::nullopt;
    // The points are in date order: only those within reach of x are looked at.
    const double reachDays = kReachPixels / plot.width() * (m_data.toDate - m_data.fromDate);
    const double date = m_data.fromDate + (position.x() - plot.left()) / plot.width() * (m_data.toDate - m_data.fromDate);
    auto it = std::lower_bound(m_data.points.begin(), m_data.points.end(), date - reachDays,
                               [](const OcPoint &p, double d) { return p.date < d; });
    std::optional<qsizetype> nearest;
    double best = kReachPixels * kReachPixels;
    for (; it != m_data.points.end() && it->date <= date + reachDays; ++it) {
        const double dx = xOf(it->date, plot) - position.x();
        const double dy = yOf(it->ocDays * ephemeris::kMinutesPerDay, plot) - position.y();
        if (dx * dx + dy * dy <= best) {
            best = dx * dx + dy * dy;
            nearest = it - m_data.points.begin();
        }
    }
    return nearest;
}

QString OcDiagram::readoutOf(qsizetype index) const
{
    if (index < 0 || index >= m_data.points.size())
        return {};
    const OcPoint &point = m_data.points[index];
    const QLocale &l = m_data.locale;
    const QDateTime utc = listing::utcOfJulianDay(jdUtcOf(m_data, point));
    const double minutes = point.ocDays * ephemeris::kMinutesPerDay;
    const QString oc = (minutes >= 0 ? QStringLiteral("+") : QString()) + listing::fixedNumber(minutes, 1, l);
    const QString ocDays = (point.ocDays >= 0 ? QStringLiteral("+") : QString()) + listing::fixedNumber(point.ocDays, 5, l);
    QString text = OcTexts::tr("%1 %2 UTC, E %3: O−C %4 min (%5 d) ± %6 min")
                       .arg(listing::isoDateText(utc.date()), listing::clockText(utc.time(), false),
                            QString::number(point.cycle), oc, ocDays,
                            listing::fixedNumber(point.errorDays * ephemeris::kMinutesPerDay, 1, l));
    for (const QString &part : {point.method, point.source})
        if (!part.isEmpty())
            text += QStringLiteral(", ") + part;
    if (point.flag == Flag::Flagged)
        text += OcTexts::tr("; beyond 3 sigma of the fit");
    else if (point.flag == Flag::Rejected)
        text += OcTexts::tr("; left out of the fit");
    return text;
}

bool OcDiagram::writePng(QIODevice &device, QSize size, Scheme scheme) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), size), scheme);
    painter.end();
    return image.save(&device, "PNG");
}

bool OcDiagram::writeSvg(QIODevice &device, QSize size, Scheme scheme) const
{
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // The generator writes its title and description as they are, unlike the texts it draws.
    svg.setTitle(m_data.title.toHtmlEscaped());
    const QString description = m_data.sources.isEmpty()
        ? OcTexts::tr("Algol planner: the O−C diagram of the times of minimum")
        : OcTexts::tr("Algol planner: the O−C diagram of the times of minimum, from %1")
              .arg(m_data.sources.join(QStringLiteral(", ")));
    svg.setDescription(description.toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paint(painter, QRectF(QPointF(0, 0), size), scheme);
    return painter.end();
}

void OcDiagram::setCurrent(qsizetype point)
{
    m_current = point;
    update();
    emit readoutChanged(readoutOf(point));
}

void OcDiagram::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect(), Scheme::Dark);
    if (hasFocus()) {
        painter.setPen(QPen(kDark.current, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void OcDiagram::mouseMoveEvent(QMouseEvent *event)
{
    const std::optional<qsizetype> point = pointAt(event->position(), rect());
    if (point && point != m_current)
        setCurrent(*point);
}

void OcDiagram::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const std::optional<qsizetype> point = pointAt(event->position(), rect());
    if (!point)
        return;
    if (point != m_current)
        setCurrent(*point);
    const OcPoint &chosen = m_data.points[*point];
    emit timingChosen(jdUtcOf(m_data, chosen), chosen.record);
}

void OcDiagram::keyPressEvent(QKeyEvent *event)
{
    const qsizetype count = m_data.points.size();
    if (count == 0)
        return QWidget::keyPressEvent(event);
    const qsizetype last = count - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrent(m_current ? std::max<qsizetype>(*m_current - 1, 0) : last);
        return;
    case Qt::Key_Right:
        setCurrent(m_current ? std::min(*m_current + 1, last) : 0);
        return;
    case Qt::Key_Home:
        setCurrent(0);
        return;
    case Qt::Key_End:
        setCurrent(last);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current) {
            const OcPoint &chosen = m_data.points[*m_current];
            emit timingChosen(jdUtcOf(m_data, chosen), chosen.record);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace planner
