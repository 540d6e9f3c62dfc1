#pragma once

// What algol-minima time shows: the times of minimum of each file as a table for people, or as
// CSV and JSON for programs (one record per eclipse and band).

#include "minimumtiming.h"
#include "request.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <vector>

namespace cli {

// One file of observations: what was read in it, and its eclipses.
struct TimedFile
{
    QString source;
    timing::FileFormat format = timing::FileFormat::PlainColumns;
    qsizetype observations = 0;
    long long fainterThan = 0;
    long long otherStars = 0;
    timing::TimingReport report;
};

struct TimingRun
{
    sky::ElementSet elements;
    timing::TimingOptions options;
    std::vector<TimedFile> files;
};

// Header lines that say what was read and against which elements, then a row per eclipse (the
// file's name only with several files); numbers in the locale's format.
QByteArray timingTable(const TimingRun &run, const QLocale &locale);
// The fields, in this order (after star, the star's designation, for another star than Algol):
// source, cycle, minimum, scale, utc, error_days, error_minutes,
// method, auto, points, pairs, oc_days, oc_minutes, observers, band, kvw_error_days, noise,
// noise_estimated, resampled, untimed (the reason's code, or empty when timed).
QByteArray timingCsv(const TimingRun &run);
QByteArray timingJson(const TimingRun &run);

} // namespace cli
