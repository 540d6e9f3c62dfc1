#pragma once

// What is listed, computed once and handed to each output format: the minima of the
// period with their times in UTC and in the observer's zone, and what the header says.

#include "observability.h"
#include "request.h"
#include "zonetime.h"

#include <QDateTime>
#include <QList>

namespace listing {

struct ReportRow
{
    sky::PredictedMinimum minimum; // with its star
    QDateTime utc; // rounded to the second
    LocalTime local;
    // How many of the hours of the star's watch window centred on the minimum (6 for Algol,
    // sky::watchWindowHours) are watchable (sky::watchableHours); only with a site.
    std::optional<double> watchableHours;
};

struct Report
{
    Request request;
    QList<ReportRow> rows;  // the listed minima: the observable ones, or all when asked
    int minimaInPeriod = 0; // before leaving out those that cannot be seen
    int observableCount = 0;
    sky::NoneObservable none = sky::NoneObservable::NotNone;
    bool extrapolated = false; // part of the period lies where the elements are extrapolated
    QDateTime generated;       // when the report was made (UTC), for the calendar's time stamps
};

// The minima of the request's star (or of every star, merged by time, the secondaries among them
// unless left out).
Report makeReport(const Request &request, const QDateTime &generated);

// The elements a row of the report was predicted with: the request's, or for every star the row
// star's catalogue elements.
sky::ElementSet elementsOf(const Request &request, const sky::Star &star);

} // namespace listing
