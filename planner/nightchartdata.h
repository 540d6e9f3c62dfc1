#pragma once

// Everything the night chart draws, computed before it is drawn: the night's samples and bands
// from sky/ for the minimum's star, the comparison stars, the hour marks in the observer's zone,
// the watchable part of the star's watch window around the minimum, the star's other minima in
// the night, the magnitude axis, the night's times for a printed page, and the texts; apart, what
// the night's log adds to it: the points and the minima timed from them.

#include "comparisonstars.h"
#include "nightsky.h"
#include "nighttiming.h"
#include "observinglog.h"
#include "starcatalogue.h"
#include "report.h"

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace planner {

struct ChartTick
{
    double jdUtc = 0;
    QString label; // "22 h", empty for a minute mark
};

struct ChartSpan
{
    double fromJdUtc = 0;
    double toJdUtc = 0;
};

// A moment of the night for the printed table: sunset, the twilights, the minimum, Algol's rising
// or setting (the star's).
struct NightEvent
{
    double jdUtc = 0;
    QString time; // "17:42", "≈ 04:30" for a rounded minimum
    QString what; // "Sunset"
};

// The magnitude axis, top (brightest) to bottom (faintest): Algol's 1.6 to 4.0 by default.
struct MagnitudeSpan
{
    double brightest = 1.6;
    double faintest = 4.0;
};

// The star's range with a margin that holds its comparison stars (0.3 brighter than its maximum,
// 0.5 fainter than its primary minimum): 0.5 above the maximum and 0.6 below the primary minimum,
// out to the tenth. Algol's 2.12 to 3.39 gives 1.6 to 4.0; lambda Tau's 3.37 to 3.91, 2.8 to 4.6.
MagnitudeSpan magnitudeSpanOf(const sky::Star &star);

// Another minimum of the star in the night than the chart's own, with its label.
struct ChartMinimum
{
    double jdUtc = 0;
    bool secondary = false;
    QString time;  // "03:12", "≈ 03:00"
    QString label; // "secondary minimum 03:12", "minimum 22:13"
};

struct ChartData
{
    sky::Night night;
    const sky::Star *star = &sky::algolStar(); // the minimum's
    MagnitudeSpan magnitudes;
    QList<ComparisonStar> stars;
    QString comparisonNote; // why there are none, when there are none
    sky::Conditions conditions;
    QTimeZone zone;
    QLocale locale;
    std::optional<double> nowJdUtc; // when the present moment falls in the night
    bool halfHourRounding = false;
    QDate evening;        // the night's date, that of its evening
    QString title;        // "Night of Saturday 19/20 December 2026, Paris"
    QString minimumLabel; // "minimum 22:13", "minimum ≈ 22:00", "secondary minimum 03:12"
    QList<ChartMinimum> otherMinima; // in time order
    // The legend's words for the star's curves and watch window: "Algol's altitude", "Algol's
    // magnitude", "watchable, of the 6 h around the minimum"; "λ Tau's altitude"...
    QString altitudeLegend;
    QString magnitudeLegend;
    QString watchLegend;
    QList<ChartTick> ticks;
    // The hours around the minimum that the list's "watchable" column counts (the star's watch
    // window, sky::watchWindowHours), and the parts of them with the star high enough and the Sun
    // low enough (linear between the samples).
    double watchFromJdUtc = 0;
    double watchToJdUtc = 0;
    QList<ChartSpan> watchableSpans;
    QList<NightEvent> events; // in time order
    bool isValid() const { return !night.samples.empty(); }
};

// A point of the night's log: an estimate by eye, an estimate that the star was fainter than a
// magnitude, or a point imported from a file, of a band.
struct ChartPoint
{
    enum class Kind { Estimate, FainterThan, Imported };
    double jdUtc = 0;
    double magnitude = 0;
    Kind kind = Kind::Estimate;
    int band = 0; // an imported point's, its index in ChartLog::bands
};

// A minimum timed from the log: where its marker stands (the fitted eclipse's magnitude there, or
// that of the points nearest it), its error, its label, and the eclipse the template fitted.
struct ChartTiming
{
    double minimumJdUtc = 0;
    double errorDays = 0;
    double magnitude = 0;
    QString label;          // "timed 22:26 ± 3.6 min"
    QList<QPointF> eclipse; // (JD UTC, magnitude), empty unless the template timed it
};

struct ChartLog
{
    QList<ChartPoint> points; // in time order
    QStringList bands;        // of the imported points, in the order met
    QList<ChartTiming> timings;
    bool isEmpty() const { return points.isEmpty() && timings.isEmpty(); }
};

// The entries of a night's log as points.
ChartLog chartLogOf(const std::vector<timing::LogEntry> &entries);
// The timed bands of a night, the observations they were timed from (JD UTC) and the elements they
// were timed against (their star's curve for the fitted eclipses), as the chart draws them, in the
// zone's time.
QList<ChartTiming> chartTimingsOf(const NightTiming &night, const std::vector<timing::Observation> &observations,
                                  const sky::ElementSet &elements, const QTimeZone &zone, const QLocale &locale);

// The night of a listed minimum (planner::nightOf) of any star, the request's or, for a request of
// every star, the row's: from 15:00 to 09:00 of the zone's clock, widened to hold the minimum and
// the hours around it. The comparison stars are given: the row's star's (comparisonStars(star)).
ChartData nightChartData(const listing::Request &request, const listing::ReportRow &row,
                         const QString &placeName, const QList<ComparisonStar> &stars,
                         const QDateTime &now, bool halfHourRounding, const QLocale &locale);

} // namespace planner
