#pragma once

// The light-curve sheet of a night, on white, to print or send with a timing, of the elements'
// star: the night's estimates (magnitude against local time, fainter-than estimates as arrows),
// the star's fitted light curve where the template timed it, the time of minimum with its error, the comparison stars, and a
// header saying who, where, with what, against which elements, and what was found.

#include "comparisonstars.h"

#include "elementsets.h"
#include "minimumtiming.h"
#include "site.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QStringList>
#include <QTimeZone>

#include <optional>

class QIODevice;
class QPainter;

class LightCurveSheetTexts
{
    Q_DECLARE_TR_FUNCTIONS(LightCurveSheet)
};

namespace planner {

struct SheetEstimate
{
    double jdUtc = 0;
    double magnitude = 0;
    bool fainterThan = false; // "<4.0": the star fainter than the magnitude given
};

// What the night gives the sheet.
struct LightCurveNight
{
    QString placeName;
    sky::Site site;
    QTimeZone zone;
    QString observer;
    QString instrument;
    sky::ElementSet elements;
    QList<SheetEstimate> estimates;
    QList<ComparisonStar> stars;
    std::optional<timing::EclipseTiming> timing; // the night's eclipse, timed or not
    std::optional<double> templateDepth;         // TemplateTiming::depth, when the template timed it
};

// The sheet ready to draw.
struct LightCurveSheet
{
    QString title;      // "Algol (β Per): light curve of the night of Friday 25 December 2026"
    QStringList header; // site and observer, elements, minimum, cycle and O−C
    QList<SheetEstimate> estimates;
    QList<ComparisonStar> stars;
    QList<QPointF> eclipse; // the fitted eclipse: (JD UTC, magnitude)
    std::optional<double> minimumJdUtc;
    double errorDays = 0;
    double fromJdUtc = 0, toJdUtc = 0;
    double brightest = 0, faintest = 0; // the magnitude axis, top to bottom
    QList<std::pair<double, QString>> hours; // the local hours along the bottom
    QString timeAxis;                        // "Local time (CET)"
    QLocale locale;
};

LightCurveSheet lightCurveSheet(const LightCurveNight &night, const QLocale &locale);

void paintLightCurveSheet(QPainter &painter, const QRectF &area, const LightCurveSheet &sheet);
// Landscape A4, as a PDF page or a PNG image.
bool writeLightCurveSheetPdf(QIODevice &device, const LightCurveSheet &sheet);
bool writeLightCurveSheetPng(QIODevice &device, const LightCurveSheet &sheet);

} // namespace planner
