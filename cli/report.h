#pragma once

// What algol-minima lists, computed once and handed to each output format: the minima of the
// period with their times in UTC and in the observer's zone, and what the header says.

#include "observability.h"
#include "options.h"
#include "zonetime.h"

#include <QDateTime>
#include <QList>

namespace cli {

struct ReportRow
{
    sky::PredictedMinimum minimum;
    QDateTime utc; // rounded to the second
    LocalTime local;
};

struct Report
{
    MinimaOptions options;
    QList<ReportRow> rows;  // the listed minima: the observable ones, or all with --all
    int minimaInPeriod = 0; // before leaving out those that cannot be seen
    int observableCount = 0;
    sky::NoneObservable none = sky::NoneObservable::NotNone;
    bool extrapolated = false; // part of the period lies where the elements are extrapolated
    QDateTime generated;       // when the report was made (UTC), for the calendar's time stamps
};

Report makeReport(const MinimaOptions &options, const QDateTime &generated);

} // namespace cli
