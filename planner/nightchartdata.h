#pragma once

// Everything the night chart draws, computed before it is drawn: the night's samples and bands
// from sky/, the comparison stars, the hour marks in the observer's zone and the texts.

#include "comparisonstars.h"
#include "nightsky.h"
#include "report.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace planner {

struct ChartTick
{
    double jdUtc = 0;
    QString label; // "22 h", empty for a minute mark
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
    QString title;        // "Night of Friday 25 December 2026, Paris"
    QString minimumLabel; // "minimum 22:13" or "minimum ≈ 22:00"
    QList<ChartTick> ticks;
    bool isValid() const { return !night.samples.empty(); }
};

// The night of a listed minimum: from 15:00 to 09:00 of the zone's clock around the midnight
// nearest the minimum, widened to hold the minimum and the hours around it.
ChartData nightChartData(const listing::Request &request, const listing::ReportRow &row,
                         const QString &placeName, const QList<ComparisonStar> &stars,
                         const QDateTime &now, bool halfHourRounding, const QLocale &locale);

} // namespace planner
