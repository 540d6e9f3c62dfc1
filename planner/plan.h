#pragma once

// What the planner lists: the report of algol-minima for the period, every minimum with its
// observing columns, and for each how many of the hours around it can be watched.

#include "report.h"

#include <QList>

namespace planner {

struct Plan
{
    listing::Report report;       // every minimum of the period, seen or not
    QList<double> watchableHours; // one per row of the report
};

Plan makePlan(listing::Request request, const QDateTime &generated);

// The report as the list shows it: every minimum, or only the observable ones, exactly as
// algol-minima lists them with or without --all.
listing::Report shownReport(const Plan &plan, bool onlyWatchable);

} // namespace planner

namespace planner {

// The instant rounded to the nearest half hour of the zone's clock, for observers who estimate
// without knowing the exact predicted time.
QDateTime halfHourRounded(const QDateTime &instant, const QTimeZone &zone);

} // namespace planner
