#pragma once

// Everything the O−C diagram draws, computed before it is drawn: each timing of the timings file
// as O−C against the elements in use, its flag from a fit, the fitted elements as a line, the
// ticks of the date, cycle and minute axes, and the texts.

#include "elementsfit.h"
#include "timingsfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The translation context of the diagram's texts: OcTexts::tr("...") is in "OcDiagram".
class OcTexts
{
    Q_DECLARE_TR_FUNCTIONS(OcDiagram)
};

namespace planner {

struct OcPoint
{
    qsizetype record = 0;   // its index in the records given
    double date = 0;        // the minimum in the elements' scale (JD or HJD on UTC): its x
    long long cycle = 0;    // E, from the record's cycle column
    double ocDays = 0;      // against the elements in use
    double errorDays = 0;
    QString method;
    QString source;
    timing::Residual::Flag flag = timing::Residual::Flag::Kept;
};

struct OcTick
{
    double at = 0; // a date (JD) or a number of minutes
    QString label;
};

// The fitted elements' O−C against those in use: a straight line from one end of the date axis
// to the other.
struct OcLine
{
    double fromMinutes = 0;
    double toMinutes = 0;
};

struct OcData
{
    QList<OcPoint> points; // in the order of their dates
    double fromDate = 0, toDate = 0;           // the date axis
    double lowMinutes = 0, highMinutes = 0;    // the O−C axis
    QList<OcTick> dateTicks;   // calendar days, months or years along the bottom
    QList<OcTick> cycleTicks;  // E along the top, at the date of that cycle
    QList<OcTick> minuteTicks; // O−C along the left
    std::optional<OcLine> fit;
    sky::DateScale dateScale = sky::DateScale::HeliocentricUtc; // of the dates
    const sky::Star *star = &sky::algolStar(); // the elements', whose place the heliocentric dates are of
    QString scale;         // "HJD" or "JD"
    QString title;         // "Algol: O−C of the times of minimum (timings: 12)"
    QString zeroLabel;     // the elements in use
    QString fitLabel;      // the fitted elements, empty without
    QStringList sources;   // of the points, each once, in the order of the records
    QLocale locale;
    bool isValid() const { return !points.isEmpty(); }
};

// The records as O−C against elements, each record's minimum converted to the elements' scale
// where its own differs; records whose numbers are not finite are left out. With a fit whose
// residuals are those of the records (same count, same order), each point takes its flag and the
// fitted elements give the line. E on the top axis follows the records' cycles.
OcData ocData(const std::vector<timing::TimingRecord> &records, const sky::ElementSet &elements,
              const timing::ElementsFit *fit, const QLocale &locale);

// A point's minimum seen from the Earth, JD on UTC (a few tens of microseconds from a
// heliocentric date: done for the point read out or chosen, not for every point drawn).
double jdUtcOf(const OcData &data, const OcPoint &point);

// The points as CSV (RFC 4180, "." decimals, one header line): date (UTC, ISO 8601), minimum,
// scale, cycle, oc_days, oc_minutes, error_days, error_minutes, method, source, flag (kept,
// flagged, rejected).
QByteArray ocCsv(const OcData &data);

} // namespace planner
