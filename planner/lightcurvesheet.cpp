#include "lightcurvesheet.h"

#include "nighttiming.h"
#include "sheetpage.h"

#include "minimumreport.h"
#include "wording.h"
#include "zonetime.h"

#include "lightcurve.h"
#include "starcatalogue.h"
#include "timetypes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace planner {

namespace {

using Texts = LightCurveSheetTexts;

constexpr double kMargin = 120;
const QRectF kPlot(300, 580, 2400, 1260);
constexpr double kHeaderTop = 230;
constexpr double kHeaderStep = 60;
constexpr double kCurveStepDays = 2.0 / 1440;
constexpr double kMostCurvePoints = 1500;       // the step grows beyond a night
constexpr double kMostHourLabels = 12;
constexpr double kMarginDays = 20.0 / 1440;        // around the estimates and the minimum
constexpr double kEmptyHalfSpanDays = 5.0 / 24;    // a timed night without estimates
constexpr double kMagnitudeMargin = 0.15;
const QColor kInk{20, 24, 32};
const QColor kGrid{215, 219, 226};
const QColor kEclipse{24, 64, 160};
const QColor kMinimum{190, 30, 30};
const QColor kComparison{120, 126, 140};

QString methodText(timing::Method method)
{
    return method == timing::Method::KweeVanWoerden ? Texts::tr("Kwee and van Woerden")
                                                    : Texts::tr("fit of the eclipse template");
}

// A fainter-than estimate: a bar at its limit and an arrow down, towards fainter.
void drawFainterThan(QPainter &painter, QPointF at)
{
    painter.setPen(QPen(kInk, 4));
    painter.drawLine(at - QPointF(14, 0), at + QPointF(14, 0));
    painter.drawLine(at, at + QPointF(0, 50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPolygon(QPolygonF({at + QPointF(-12, 40), at + QPointF(12, 40), at + QPointF(0, 64)}));
}

// The whole hours of the zone's clock from one instant to another, every hour over a night, every
// few hours over more.
QList<std::pair<double, QString>> hoursOf(double fromJdUtc, double toJdUtc, const QTimeZone &zone)
{
    const QDateTime from = listing::utcOfJulianDay(fromJdUtc);
    const QDateTime to = listing::utcOfJulianDay(toJdUtc);
    const qint64 step = 3600 * std::max<qint64>(1, qint64(std::ceil(double(from.secsTo(to)) / 3600 / kMostHourLabels)));
    const qint64 offset = from.toTimeZone(zone).offsetFromUtc();
    QList<std::pair<double, QString>> hours;
    const double first = std::ceil(double(from.toSecsSinceEpoch() + offset) / double(step)) * double(step);
    for (qint64 seconds = qint64(first) - offset; seconds <= to.toSecsSinceEpoch(); seconds += step) {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(seconds, zone);
        hours.append({listing::julianDayOf(instant), listing::clockText(instant.time(), false)});
    }
    return hours;
}

} // namespace

LightCurveSheet lightCurveSheet(const LightCurveNight &night, const QLocale &locale)
{
    LightCurveSheet sheet;
    sheet.locale = locale;
    sheet.stars = night.stars;
    const sky::Star &star = *night.elements.star;
    for (const SheetEstimate &estimate : night.estimates)
        if (std::isfinite(estimate.jdUtc) && std::isfinite(estimate.magnitude))
            sheet.estimates.append(estimate);
    const timing::EclipseTiming *timing = night.timing ? &*night.timing : nullptr;
    const bool timed = timing && !timing->untimed;

    // The span: the estimates and the minimum, with a margin.
    double from = std::numeric_limits<double>::infinity();
    double to = -from;
    for (const SheetEstimate &estimate : sheet.estimates) {
        from = std::min(from, estimate.jdUtc - kMarginDays);
        to = std::max(to, estimate.jdUtc + kMarginDays);
    }
    if (timed) {
        sheet.minimumJdUtc = timing->minimumJdUtc;
        sheet.errorDays = timing->errorDays;
        const double reach = sheet.estimates.isEmpty() ? kEmptyHalfSpanDays : kMarginDays;
        from = std::min(from, timing->minimumJdUtc - reach);
        to = std::max(to, timing->minimumJdUtc + reach);
    }
    const bool drawn = from < to;
    if (drawn) {
        sheet.fromJdUtc = from;
        sheet.toJdUtc = to;
        sheet.hours = hoursOf(from, to, night.zone);
        if (timed && timing->method == timing::Method::Template && night.templateDepth) {
            QList<QPointF> points;
            for (const SheetEstimate &estimate : sheet.estimates)
                if (!estimate.fainterThan)
                    points.append(QPointF(estimate.jdUtc, estimate.magnitude));
            const double step = std::max(kCurveStepDays, (to - from) / kMostCurvePoints);
            sheet.eclipse = fittedEclipse(sky::LightCurve::ofStar(star), points, timing->minimumJdUtc,
                                          night.elements.elements.period,
                                          *night.templateDepth, from, to, step);
        }
    }
    // The star's usual range, always shown, out to the tenth (Algol's 2.1 to 3.4).
    double brightest = std::floor(star.maximumMagnitude * 10) / 10;
    double faintest = std::ceil(star.primaryMinimumMagnitude * 10) / 10;
    for (const SheetEstimate &estimate : sheet.estimates) {
        brightest = std::min(brightest, estimate.magnitude);
        faintest = std::max(faintest, estimate.magnitude);
    }
    for (const QPointF &point : sheet.eclipse) {
        brightest = std::min(brightest, point.y());
        faintest = std::max(faintest, point.y());
    }
    sheet.brightest = brightest - kMagnitudeMargin;
    sheet.faintest = faintest + kMagnitudeMargin;

    // The night whose evening holds the minimum or the first estimate.
    if (drawn) {
        const QDateTime local = listing::utcOfJulianDay(timed ? timing->minimumJdUtc : from + kMarginDays)
                                    .toTimeZone(night.zone);
        const QDate evening = local.time().hour() < 12 ? local.date().addDays(-1) : local.date();
        sheet.title = Texts::tr("%1: light curve of the night of %2")
                          .arg(listing::reportName(star), locale.toString(evening, QStringLiteral("dddd d MMMM yyyy")));
        sheet.timeAxis = Texts::tr("Local time (%1)").arg(listing::localTimeOf(local, night.zone).abbreviation);
    } else {
        sheet.title = Texts::tr("%1: light curve").arg(listing::reportName(star));
    }

    const auto given = [](const QString &text) { return text.trimmed().isEmpty() ? Texts::tr("not given") : text.trimmed(); };
    sheet.header << Texts::tr("Site: %1, %2; observer: %3; instrument: %4")
                        .arg(given(night.placeName), listing::siteDescription(night.site, locale),
                             given(night.observer), given(night.instrument));
    sheet.header << Texts::tr("Elements: %1").arg(listing::elementsDescription(night.elements));
    if (timed) {
        const QDateTime utc = listing::utcOfJulianDay(timing->minimumJdUtc);
        const listing::LocalTime clock = listing::localTimeOf(utc, night.zone);
        const QString scale = night.elements.reference == sky::TimeReference::Heliocentric
            ? QStringLiteral("HJD") : QStringLiteral("JD");
        sheet.header << Texts::tr("Minimum: %1 %2, %3 UT, %4 %5 ± %6 d (± %7 min)")
                            .arg(listing::clockText(clock.local.time()), clock.abbreviation,
                                 listing::clockText(utc.time()), scale,
                                 listing::fixedNumber(timing->minimum, 5, locale),
                                 listing::fixedNumber(timing->errorDays, 5, locale),
                                 listing::fixedNumber(timing->errorDays * ephemeris::kMinutesPerDay, 1, locale));
        sheet.header << Texts::tr("E %1, O−C %2 d (%3 min); method: %4; N = %5")
                            .arg(QString::number(timing->cycle), listing::signedNumber(timing->ocDays, 5, locale),
                                 listing::signedNumber(timing->ocDays * ephemeris::kMinutesPerDay, 1, locale),
                                 methodText(timing->method), QString::number(timing->points));
    } else if (timing && timing->untimed) {
        sheet.header << Texts::tr("Not timed: %1")
                            .arg(QCoreApplication::translate("Timing", std::string(timing::untimedText(*timing->untimed)).c_str()));
    } else {
        sheet.header << Texts::tr("Not timed");
    }
    return sheet;
}

void paintLightCurveSheet(QPainter &painter, const QRectF &area, const LightCurveSheet &sheet)
{
    painter.save();
    beginSheet(painter, area, kLandscapeSheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kInk);
    painter.setFont(sheetFont(56, true));
    const double width = kLandscapeSheet.width() - 2 * kMargin;
    painter.drawText(QRectF(kMargin, kMargin, width, 80), Qt::AlignLeft | Qt::AlignVCenter, sheet.title);
    painter.setFont(sheetFont(36));
    double y = kHeaderTop;
    for (const QString &line : sheet.header) {
        painter.drawText(QRectF(kMargin, y, width, kHeaderStep), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += kHeaderStep;
    }
    const QRectF plot = kPlot;
    if (!(sheet.fromJdUtc < sheet.toJdUtc)) {
        painter.drawText(plot, Qt::AlignCenter, Texts::tr("No estimates"));
        painter.restore();
        return;
    }
    const auto xOf = [&](double jd) {
        return plot.left() + (jd - sheet.fromJdUtc) / (sheet.toJdUtc - sheet.fromJdUtc) * plot.width();
    };
    const auto yOf = [&](double magnitude) {
        return plot.top() + (magnitude - sheet.brightest) / (sheet.faintest - sheet.brightest) * plot.height();
    };

    // Magnitudes every tenth, labelled every fifth of a magnitude, brighter upwards.
    painter.setFont(sheetFont(32));
    for (int tenth = int(std::ceil(sheet.brightest * 10)); tenth <= int(std::floor(sheet.faintest * 10)); ++tenth) {
        const double at = yOf(tenth / 10.0);
        painter.setPen(QPen(kGrid, 2));
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        if (tenth % 2 == 0) {
            painter.setPen(kInk);
            painter.drawText(QRectF(plot.left() - 130, at - 25, 110, 50), Qt::AlignRight | Qt::AlignVCenter,
                             listing::fixedNumber(tenth / 10.0, 1, sheet.locale));
        }
    }
    for (const auto &[jd, label] : sheet.hours) {
        const double x = xOf(jd);
        painter.setPen(QPen(kGrid, 2));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kInk);
        painter.drawText(QRectF(x - 100, plot.bottom() + 12, 200, 45), Qt::AlignCenter, label);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 60, plot.width(), 50), Qt::AlignCenter, sheet.timeAxis);
    painter.save();
    painter.translate(plot.left() - 190, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -25, plot.height(), 50), Qt::AlignCenter, Texts::tr("Magnitude"));
    painter.restore();
    painter.setPen(QPen(kInk, 3));
    painter.drawRect(plot);

    // The comparison stars, labelled at the right of the plot.
    for (const ComparisonStar &star : sheet.stars) {
        if (star.magnitude < sheet.brightest || star.magnitude > sheet.faintest)
            continue;
        const double at = yOf(star.magnitude);
        painter.setPen(QPen(kComparison, 3, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        painter.setPen(kComparison);
        painter.drawText(QRectF(plot.right() + 15, at - 25, kLandscapeSheet.width() - plot.right() - 15 - kMargin / 2, 50),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         aavsoLabel(star.magnitude) + QLatin1Char(' ') + star.label);
    }

    painter.save();
    painter.setClipRect(plot);
    if (!sheet.eclipse.isEmpty()) {
        QPolygonF curve;
        for (const QPointF &point : sheet.eclipse)
            curve << QPointF(xOf(point.x()), yOf(point.y()));
        painter.setPen(QPen(kEclipse, 6));
        painter.drawPolyline(curve);
    }
    if (sheet.minimumJdUtc) {
        const double x = xOf(*sheet.minimumJdUtc);
        const double half = sheet.errorDays / (sheet.toJdUtc - sheet.fromJdUtc) * plot.width();
        const double bar = plot.bottom() - 60;
        painter.setPen(QPen(kMinimum, 3, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(QPen(kMinimum, 6));
        painter.drawLine(QPointF(x - half, bar), QPointF(x + half, bar));
        painter.drawLine(QPointF(x - half, bar - 20), QPointF(x - half, bar + 20));
        painter.drawLine(QPointF(x + half, bar - 20), QPointF(x + half, bar + 20));
    }
    // The estimates.
    painter.setBrush(kInk);
    for (const SheetEstimate &estimate : sheet.estimates) {
        const QPointF at(xOf(estimate.jdUtc), yOf(estimate.magnitude));
        if (estimate.fainterThan) {
            drawFainterThan(painter, at);
        } else {
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(at, 12, 12);
        }
    }
    painter.restore();

    // The legend under the time axis.
    painter.setFont(sheetFont(30));
    const QFontMetricsF metrics(painter.font());
    double x = plot.left();
    const double legend = plot.bottom() + 150;
    const auto label = [&](const QString &text) {
        painter.setPen(kInk);
        painter.drawText(QPointF(x, legend + metrics.ascent() / 2 - 4), text);
        x += metrics.horizontalAdvance(text) + 60;
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(x + 12, legend), 12, 12);
    x += 40;
    label(Texts::tr("estimate"));
    drawFainterThan(painter, QPointF(x + 14, legend - 30));
    x += 40;
    label(Texts::tr("fainter than"));
    const std::pair<QPen, QString> lines[] = {
        {QPen(kEclipse, 6), Texts::tr("eclipse template fitted")},
        {QPen(kMinimum, 6), Texts::tr("time of minimum and its error")},
        {QPen(kComparison, 3, Qt::DashLine), Texts::tr("comparison star (AAVSO label)")}};
    for (const auto &[pen, text] : lines) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, legend), QPointF(x + 70, legend));
        x += 90;
        label(text);
    }
    painter.restore();
}

bool writeLightCurveSheetPdf(QIODevice &device, const LightCurveSheet &sheet)
{
    return writeSheetPdf(device, QPageLayout::Landscape, sheet.title,
                         [&](QPainter &painter, const QRectF &area) { paintLightCurveSheet(painter, area, sheet); });
}

bool writeLightCurveSheetPng(QIODevice &device, const LightCurveSheet &sheet)
{
    return writeSheetPng(device, QPageLayout::Landscape,
                         [&](QPainter &painter, const QRectF &area) { paintLightCurveSheet(painter, area, sheet); });
}

} // namespace planner
