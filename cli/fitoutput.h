#pragma once

// What algol-minima fit shows: the fitted elements with their errors and what the fit says of
// them, and the residuals, as a table for people or as CSV (the residuals) and JSON (both) for
// programs.

#include "elementsfit.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <vector>

namespace cli {

struct FitRun
{
    QString source;
    sky::ElementSet start;
    std::vector<timing::TimingRecord> records;
    std::vector<timing::TimingPoint> points; // the records' minima in the start's scale
    timing::ElementsFit fit;
};

// For another star than Algol, the header names it and the CSV and JSON start with its
// designation (star).
QByteArray fitTable(const FitRun &run, const QLocale &locale);
// One row per timing: cycle (as the lists number it), minimum, scale, oc_days, oc_minutes, error_days, error_minutes,
// flag (kept, flagged or rejected), source.
QByteArray fitCsv(const FitRun &run);
// {"epoch", "epoch_cycle", "epoch_error_days", "period", "period_error_days", "correlation",
// "scale", "timings", "first", "last", "rms_days" (null below three timings),
// "reduced_chi_square" (null without degrees of freedom), "errors_scaled", "period_fitted",
// "residuals": [the rows above]}. A number that is not finite is null.
QByteArray fitJson(const FitRun &run);

} // namespace cli
