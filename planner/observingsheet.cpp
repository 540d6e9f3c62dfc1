#include "observingsheet.h"

#include "plan.h"
#include "sheetpage.h"

#include "minimumreport.h"
#include "wording.h"
#include "zonetime.h"

#include "lightcurve.h"
#include "nightsky.h"
#include "positions.h"
#include "starcatalogue.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace planner {

namespace {

using Texts = ObservingSheetTexts;

constexpr qint64 kStepSeconds = 600;
constexpr qint64 kMostPredictions = 63; // three blocks of 21 rows: the eclipse of Algol's 2.87 days
constexpr double kMargin = 120;
constexpr double kColumnGap = 40;
constexpr double kRowHeight = 40;
constexpr double kEstimateRowHeight = 76;
constexpr int kPredictionBlocks = 3;
const QColor kInk{20, 24, 32};
const QColor kFaint{150, 155, 165};
const QColor kRule{190, 195, 205};

double contentWidth()
{
    return kPortraitSheet.width() - 2 * kMargin;
}

// A section's title; returns the y under it.
double drawSection(QPainter &painter, double y, const QString &title)
{
    painter.setPen(kInk);
    painter.setFont(sheetFont(38, true));
    painter.drawText(QRectF(kMargin, y, contentWidth(), 56), Qt::AlignLeft | Qt::AlignVCenter, title);
    return y + 64;
}

// Cells of a table row between the x positions given (the last is the right edge).
void drawRow(QPainter &painter, double y, double height, const QList<double> &edges, const QStringList &cells)
{
    for (qsizetype i = 0; i < cells.size() && i + 1 < edges.size(); ++i)
        painter.drawText(QRectF(edges[i] + 8, y, edges[i + 1] - edges[i] - 16, height),
                         Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
}

} // namespace

ObservingSheet observingSheet(const listing::Request &request, const listing::ReportRow &row,
                              const QString &placeName, const QList<ComparisonStar> &stars,
                              bool halfHourRounding, const QLocale &locale)
{
    ObservingSheet sheet;
    sheet.locale = locale;
    sheet.stars = stars;
    const QTimeZone &zone = request.zone;
    const sky::Star &star = *row.minimum.star;
    const bool algol = &star == &sky::algolStar();
    const sky::LightCurve curve = sky::LightCurve::ofStar(star);
    const QDateTime minimum = halfHourRounding ? halfHourRounded(row.utc, zone).toUTC() : row.utc;
    const double minimumJd = halfHourRounding ? listing::julianDayOf(minimum) : row.minimum.jdUtc;
    const double period = listing::elementsOf(request, star).elements.period;
    const double phase = row.minimum.secondary ? sky::listedSecondaryPhase(star).value_or(0.5) : 0;

    // Every 10 minutes of the zone's clock through the eclipse (every 20, 30... for a longer
    // eclipse, which would not hold on the page); through the watch window for a star whose light
    // changes all the time (beta Lyr), the eclipse being its whole period.
    const double reachDays = curve.hasEclipses() ? curve.primaryEclipseHalfWidth() * period
                                                 : sky::watchWindowHours(star) / 2 / 24;
    const qint64 reach = qint64(reachDays * 86400);
    const qint64 rows = 2 * reach / kStepSeconds + 1;
    const qint64 step = kStepSeconds * ((rows + kMostPredictions - 1) / kMostPredictions);
    const qint64 offset = minimum.toTimeZone(zone).offsetFromUtc();
    const qint64 first = qint64(std::ceil(double(minimum.toSecsSinceEpoch() - reach + offset) / double(step)))
            * step - offset;
    for (qint64 seconds = first; seconds <= minimum.toSecsSinceEpoch() + reach; seconds += step) {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(seconds, zone);
        const double jd = listing::julianDayOf(instant);
        PredictionRow prediction;
        prediction.time = listing::clockText(instant.time(), false);
        prediction.magnitude = row.minimum.secondary ? curve.magnitude((jd - minimumJd) / period + phase)
                                                     : curve.magnitude((jd - minimumJd) / period);
        prediction.altitudeDeg = std::numeric_limits<double>::quiet_NaN();
        if (request.site) {
            prediction.altitudeDeg = sky::starHorizontal(*request.site, jd, star).altitudeDeg;
            prediction.watchable = prediction.altitudeDeg >= request.conditions.minAlgolAltitudeDeg
                && sky::sunAltitudeDeg(*request.site, jd) <= request.conditions.maxSunAltitudeDeg;
        }
        sheet.predictions.append(prediction);
    }

    const listing::LocalTime local = listing::localTimeOf(minimum, zone);
    const QDate evening = local.local.time().hour() < 12 ? local.local.date().addDays(-1) : local.local.date();
    sheet.title = Texts::tr("%1: observing sheet for the night of %2")
                      .arg(listing::reportName(star), locale.toString(evening, QStringLiteral("dddd d MMMM yyyy")));
    sheet.predictionsTitle = algol ? Texts::tr("Predicted magnitude of Algol (grey: too low or sky too bright)")
                                   : Texts::tr("Predicted magnitude of %1 (grey: too low or sky too bright)")
                                         .arg(listing::starLabel(star));
    sheet.timeColumn = Texts::tr("Time (%1)").arg(local.abbreviation);
    const QString place = placeName.trimmed().isEmpty() ? Texts::tr("unnamed site") : placeName.trimmed();
    sheet.header << (request.site ? Texts::tr("Site: %1, %2; time zone %3")
                                        .arg(place, listing::siteDescription(*request.site, locale),
                                             QString::fromUtf8(zone.id()))
                                  : Texts::tr("Site: %1; time zone %2").arg(place, QString::fromUtf8(zone.id())));
    if (row.minimum.secondary)
        sheet.header << (halfHourRounding
                             ? Texts::tr("Predicted secondary minimum: about %1 %2 (times rounded to the half hour)")
                                   .arg(listing::clockText(local.local.time(), false), local.abbreviation)
                             : Texts::tr("Predicted secondary minimum: %1 %2 (%3 UT)")
                                   .arg(listing::clockText(local.local.time(), false), local.abbreviation,
                                        listing::clockText(row.utc.time(), false)));
    else
        sheet.header << (halfHourRounding
                             ? Texts::tr("Predicted minimum: about %1 %2 (times rounded to the half hour)")
                                   .arg(listing::clockText(local.local.time(), false), local.abbreviation)
                             : Texts::tr("Predicted minimum: %1 %2 (%3 UT)")
                                   .arg(listing::clockText(local.local.time(), false), local.abbreviation,
                                        listing::clockText(row.utc.time(), false)));
    sheet.header << Texts::tr("Elements: %1").arg(listing::elementsDescription(listing::elementsOf(request, star)));
    if (row.minimum.uncertaintyMinutes)
        sheet.header << Texts::tr("Uncertainty of the prediction: ±%1 min")
                            .arg(listing::fixedNumber(*row.minimum.uncertaintyMinutes, 1, locale));
    return sheet;
}

void paintObservingSheet(QPainter &painter, const QRectF &area, const ObservingSheet &sheet)
{
    painter.save();
    beginSheet(painter, area, kPortraitSheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kInk);
    painter.setFont(sheetFont(48, true));
    QRectF title;
    painter.drawText(QRectF(kMargin, kMargin, contentWidth(), 160), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     sheet.title, &title);
    painter.setFont(sheetFont(34));
    double y = title.bottom() + 24;
    for (const QString &line : sheet.header) {
        painter.drawText(QRectF(kMargin, y, contentWidth(), 52), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += 52;
    }

    // The predictions, in blocks side by side; rows where Algol cannot be watched in grey.
    y = drawSection(painter, y + 24, sheet.predictionsTitle);
    const double blockWidth = (contentWidth() - (kPredictionBlocks - 1) * kColumnGap) / kPredictionBlocks;
    const qsizetype perBlock = (sheet.predictions.size() + kPredictionBlocks - 1) / kPredictionBlocks;
    const QStringList heads{sheet.timeColumn, Texts::tr("Altitude"), Texts::tr("Magnitude")};
    for (int block = 0; block < kPredictionBlocks; ++block) {
        const double left = kMargin + block * (blockWidth + kColumnGap);
        const QList<double> edges{left, left + blockWidth * 0.36, left + blockWidth * 0.6, left + blockWidth};
        painter.setFont(sheetFont(28, true));
        painter.setPen(kInk);
        drawRow(painter, y, kRowHeight, edges, heads);
        painter.setFont(sheetFont(28));
        for (qsizetype i = block * perBlock; i < std::min(sheet.predictions.size(), (block + 1) * perBlock); ++i) {
            const PredictionRow &row = sheet.predictions[i];
            const double top = y + kRowHeight * double(i - block * perBlock + 1);
            painter.setPen(QPen(kRule, 1));
            painter.drawLine(QPointF(left, top), QPointF(left + blockWidth, top));
            painter.setPen(row.watchable ? kInk : kFaint);
            drawRow(painter, top, kRowHeight, edges,
                    {row.time,
                     std::isnan(row.altitudeDeg) ? QStringLiteral("–")
                                                 : listing::fixedNumber(row.altitudeDeg, 0, sheet.locale) + QStringLiteral("°"),
                     listing::fixedNumber(row.magnitude, 2, sheet.locale)});
        }
    }
    y += kRowHeight * double(perBlock + 1) + 30;

    // The comparison stars, three a row.
    y = drawSection(painter, y, Texts::tr("Comparison stars (AAVSO label, star, magnitude)"));
    painter.setPen(kInk);
    for (qsizetype i = 0; i < sheet.stars.size(); ++i) {
        const ComparisonStar &star = sheet.stars[i];
        const double left = kMargin + double(i % kPredictionBlocks) * (blockWidth + kColumnGap);
        const double top = y + double(i / kPredictionBlocks) * kRowHeight;
        painter.setFont(sheetFont(32, true));
        painter.drawText(QRectF(left, top, 90, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, aavsoLabel(star.magnitude));
        painter.setFont(sheetFont(32));
        drawRow(painter, top, kRowHeight, {left + 90, left + blockWidth * 0.7, left + blockWidth},
                {star.label, listing::fixedNumber(star.magnitude, 2, sheet.locale)});
    }
    y += kRowHeight * double((sheet.stars.size() + kPredictionBlocks - 1) / kPredictionBlocks) + 30;

    // Blank rows to the foot of the page.
    y = drawSection(painter, y, Texts::tr("Your estimates"));
    painter.setFont(sheetFont(32));
    painter.drawText(QRectF(kMargin, y, contentWidth(), 50), Qt::AlignLeft | Qt::AlignVCenter,
                     Texts::tr("Observer: ____________________    Instrument: ____________________"));
    y += 70;
    const double right = kMargin + contentWidth();
    const QList<double> edges{kMargin, kMargin + 300, kMargin + 1000, kMargin + 1280, right};
    painter.setFont(sheetFont(30, true));
    drawRow(painter, y, kRowHeight, edges,
            {sheet.timeColumn, Texts::tr("Estimate (e.g. 30 (2) V (1) 26)"), Texts::tr("Magnitude"),
             Texts::tr("Sky, Moon, notes")});
    y += kRowHeight;
    painter.setPen(QPen(kRule, 2));
    const double top = y;
    for (; y + kEstimateRowHeight <= kPortraitSheet.height() - kMargin; y += kEstimateRowHeight)
        painter.drawLine(QPointF(kMargin, y), QPointF(right, y));
    painter.drawLine(QPointF(kMargin, y), QPointF(right, y));
    for (const double x : edges)
        painter.drawLine(QPointF(x, top), QPointF(x, y));
    painter.restore();
}

bool writeObservingSheetPdf(QIODevice &device, const ObservingSheet &sheet)
{
    return writeSheetPdf(device, QPageLayout::Portrait, sheet.title,
                         [&](QPainter &painter, const QRectF &area) { paintObservingSheet(painter, area, sheet); });
}

} // namespace planner
