#pragma once

// The observing sheet of a night, printed on white for an observer who estimates on paper
// outside: the site and the night, the star's predicted magnitude (its sky::LightCurve) every 10
// minutes through the eclipse (through the watch window for beta Lyr) with its altitude, the comparison stars with their AAVSO labels, and blank rows for the
// times and estimates.

#include "comparisonstars.h"

#include "report.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QStringList>

class QIODevice;
class QPainter;

class ObservingSheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(ObservingSheet)
};

namespace planner {

struct PredictionRow
{
    QString time;       // "22:10", on the zone's clock
    double altitudeDeg = 0; // the star's; NaN without a site
    double magnitude = 0;
    bool watchable = true;  // Algol high enough and the sky dark enough
};

struct ObservingSheet
{
    QString title;      // "Algol (β Per): observing sheet for the night of Friday 25 December 2026"
    QString predictionsTitle; // "Predicted magnitude of Algol (grey: too low or sky too bright)"
    QStringList header; // site, predicted minimum, elements, uncertainty
    QString timeColumn; // "Time (CET)"
    QList<PredictionRow> predictions;
    QList<ComparisonStar> stars;
    QLocale locale;
};

// The sheet of a listed minimum, of its star (the request's, or the row's in a request of every
// star), primary or secondary. With halfHourRounding the minimum is said to the half hour and
// the magnitudes are those of an eclipse at that rounded time, so that the sheet does not give
// away the exact time.
ObservingSheet observingSheet(const listing::Request &request, const listing::ReportRow &row,
                              const QString &placeName, const QList<ComparisonStar> &stars,
                              bool halfHourRounding, const QLocale &locale);

// Portrait A4, drawn into area of any device (a printer's page, an image), or written as a PDF.
void paintObservingSheet(QPainter &painter, const QRectF &area, const ObservingSheet &sheet);
bool writeObservingSheetPdf(QIODevice &device, const ObservingSheet &sheet);

} // namespace planner
