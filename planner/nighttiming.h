#pragma once

// The night's observations timed as algol-minima time times a file of them: split into eclipses
// of the elements in use, one per band, each timed by the method the options ask for. What the
// window shows of a timing, in words; what the timings file keeps of it; the eclipse model moved
// to a minimum the template found, for the chart and the light-curve sheet.

#include "elementsets.h"
#include "lightcurve.h"
#include "minimumtiming.h"
#include "timingsfile.h"

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace planner {

struct BandTiming
{
    timing::EclipseTiming timing;
    std::optional<double> templateDepth; // the template's depth scale, when the template timed it
};

struct NightTiming
{
    sky::DateScale scale = sky::DateScale::HeliocentricUtc; // of the minima
    std::vector<BandTiming> bands; // the night's eclipses, the band of the most points first
    long long outsideWindows = 0;  // points too far from a predicted minimum
    // The first band timed, or none.
    const BandTiming *timed() const;
};

NightTiming timeNight(const std::vector<timing::Observation> &observations, const sky::ElementSet &elements,
                      const timing::TimingOptions &options);

// The observations' times in the scale, as sky::convertDate gives them. The heliocentric
// correction of a night's times on UTC (a day at most) is computed at its first, middle and last
// point and interpolated by a parabola in between: it is smooth and changes by less than 0.15 s a
// day, so that each time is within microseconds of its own conversion, for a hundredth of its cost
// (25 µs a point). Other spans and scales are converted point by point. The heliocentric
// correction is the star's.
std::vector<timing::Observation> observationsInScale(const std::vector<timing::Observation> &observations,
                                                     sky::DateScale scale, const sky::Star &star = sky::algolStar());

// The timed bands as the timings file keeps them, against the elements named as algol-minima
// names them, from the file of observations given.
std::vector<timing::TimingRecord> timingRecordsOf(const NightTiming &night, const sky::ElementSet &elements,
                                                  const QString &source);

// What the window says of the night's timing, a line per band: the minimum in the zone's time, UT
// and the elements' scale with its error, the method and N, E and O−C in minutes and days; or why
// the band, or the night, could not be timed.
QString nightTimingText(const NightTiming &night, const timing::TimingOptions &options,
                        const QTimeZone &zone, const QLocale &locale);

// The star's light curve (Algol's model for Algol) moved to a minimum and scaled by the
// template's depth, its level out of eclipse the mean of the points' own (least squares; the
// curve's level without points): (JD UTC, magnitude) every step from one instant to the other.
QList<QPointF> fittedEclipse(const sky::LightCurve &light, const QList<QPointF> &points, double minimumJdUtc,
                             double period, double depth, double fromJdUtc, double toJdUtc, double stepDays);

} // namespace planner
