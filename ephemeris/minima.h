#pragma once

#include "elements.h"
#include "timetypes.h"

#include <optional>

namespace ephemeris {

// The stepping that every minima computation uses:
//   m = start; while (m <= threshold) m = m + period;
// with every addition rounded in double precision, exactly as that loop would do it,
// but in a time that does not grow with the number of steps. Empty when the loop could not
// end (the sum stops growing before it passes threshold, or threshold is +infinity).
// A NaN threshold ends the loop at once. start and period must be finite, period positive.
std::optional<double> stepMinimum(double start, double period, double threshold);

// The literal loop above, one addition at a time; the reference for stepMinimum. maxSteps bounds it:
// empty when it has not ended after that many additions.
std::optional<double> stepMinimumLiteral(double start, double period, double threshold,
                                         long long maxSteps);

// The last minimum at or before the instant: stepping from the epoch while
// minimum <= instant - period. The epoch itself for an instant before it.
std::optional<JulianDay> lastMinimumAtOrBefore(JulianDay instant, const Elements &elements = {});

// A minimum and its cycle number E, the count of periods from the epoch.
struct NumberedMinimum
{
    long long cycle = 0;
    JulianDay instant = 0;
};

// The first minimum after threshold and its cycle number: at or after the epoch by the stepping
// above (stepMinimum from the epoch), before the epoch by whole periods back from it
// (epoch - k * period). Empty when the stepping cannot end, when more than 2^53 periods lie between
// the epoch and threshold, or when the threshold or the elements are not finite (or the period is
// not positive).
std::optional<NumberedMinimum> firstMinimumAfter(double threshold, const Elements &elements = {});

// Minimum E of the linear elements themselves, epoch + E * period rounded once (no drift however
// far from the epoch). E must lie within +-2^53.
double linearMinimum(long long cycle, const Elements &elements);

// The first linear minimum after threshold and its cycle number. Empty when more than 2^53
// periods lie between the epoch and threshold, when neighbouring minima round to the same instant,
// or when the threshold or the elements are not finite (or the period is not positive).
std::optional<NumberedMinimum> firstLinearMinimumAfter(double threshold, const Elements &elements);

// Phase: fraction of the period elapsed since lastMinimum.
double phaseOf(JulianDay instant, JulianDay lastMinimum, const Elements &elements = {});

} // namespace ephemeris
