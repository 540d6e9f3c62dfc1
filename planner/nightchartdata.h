#pragma once

// Everything the night chart draws, computed before it is drawn: the night's samples and bands
// from sky/, the comparison stars, the hour marks in the observer's zone, the watchable part of
// the hours around the minimum, the night's times for a printed page, and the texts; apart, what
// the night's log adds to it: the points and the minima timed from them.

#include "comparisonstars.h"
#include "nightsky.h"
#include "nighttiming.h"
#include "observinglog.h"
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
// or setting.
struct NightEvent
{
    double jdUtc = 0;
    QString time; // "17:42", "≈ 04:30" for a rounded minimum
    QString what; // "Sunset"
};

struct ChartData
{
    sky::Night night;
    QList<ComparisonStar> stars;
    sky::Conditions conditions;
    QTimeZone zone;
    QLocale locale;
    std::optional<double> nowJdUtc; // when the present moment falls in the night
    bool halfHourRounding = false;
    QDate evening;        // the night's date, that of its evening
    QString title;        // "Night of Saturday 19/20 December 2026, Paris"
    QString minimumLabel; // "minimum 22:13" or "minimum ≈ 22:00"
    QList<ChartTick> ticks;
    // The hours around the minimum that the list's "watchable" column counts, and the parts of
    // them with Algol high enough and the Sun low enough (linear between the samples).
    double watchFromJdUtc = 0;
    double watchToJdUtc = 0;
    QList<ChartSpan> watchableSpans;
    QList<NightEvent> events; // in time order
    bool isValid() const { return !night.samples.empty(); }
};

// A point of the night's log: an estimate by eye, an estimate that Algol was fainter than a
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
// The timed bands of a night, the observations they were timed from (JD UTC) and the elements'
// period, as the chart draws them, in the zone's time.
QList<ChartTiming> chartTimingsOf(const NightTiming &night, const std::vector<timing::Observation> &observations,
                                  double period, const QTimeZone &zone, const QLocale &locale);

// The night of a listed minimum (planner::nightOf): from 15:00 to 09:00 of the zone's clock,
// widened to hold the minimum and the hours around it.
ChartData nightChartData(const listing::Request &request, const listing::ReportRow &row,
                         const QString &placeName, const QList<ComparisonStar> &stars,
                         const QDateTime &now, bool halfHourRounding, const QLocale &locale);

} // namespace planner
