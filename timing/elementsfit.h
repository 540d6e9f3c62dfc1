#pragma once

// Linear elements fitted to times of minimum, and how far their predictions may be off.

#include "timingsfile.h"

#include "elements.h"
#include "elementsets.h"

#include <span>
#include <vector>

namespace timing {

// Elements with what is known of them; the listing can predict from elements and reference as
// from any element set.
struct FittedElements
{
    ephemeris::Elements elements; // Min I = epoch + period * E
    sky::TimeReference reference = sky::TimeReference::Heliocentric;
    double epochErrorDays = 0;
    double periodErrorDays = 0;
    double correlation = 0; // of epoch and period
    int timings = 0;
    double firstTiming = 0; // the span of the timings, in the elements' scale
    double lastTiming = 0;
    double rmsDays = 0;     // the scatter of their residuals
};

sky::ElementSet elementSetOf(const FittedElements &fitted);

// The propagated standard error of the minimum of cycle E (from the fitted epoch), days:
// sigma(E)^2 = sigma_epoch^2 + 2 E cov(epoch, period) + E^2 sigma_period^2.
double predictionErrorDays(const FittedElements &fitted, double cycle);

// The same for the minimum nearest the instant, with the residuals' scatter beside it (Algol's
// own wander, which no linear elements remove), in minutes.
struct PredictionUncertainty
{
    double propagatedMinutes = 0;
    double scatterMinutes = 0;
};
PredictionUncertainty predictionUncertainty(const FittedElements &fitted, double instant);

// A time of minimum in the elements' scale.
struct TimingPoint
{
    double minimum = 0;
    double errorDays = 0;
};

// The records in the scale, converted where theirs differs.
std::vector<TimingPoint> timingPointsOf(const std::vector<TimingRecord> &records,
                                        sky::DateScale scale);

struct Residual
{
    enum class Flag { Kept, Flagged, Rejected };
    long long cycle = 0; // from the fitted epoch
    double ocDays = 0;
    double errorDays = 0;
    Flag flag = Flag::Kept;
};

struct ElementsFit
{
    FittedElements fitted;
    double reducedChiSquare = 0; // NaN without degrees of freedom
    bool errorsScaled = false;   // by sqrt(reduced chi^2), which is above 1
    bool periodKept = false;     // one timing, or less than a season: only the epoch is fitted
    std::vector<Residual> residuals; // in the order of the timings
};

// A season: timings spanning less than this fit only the epoch.
inline constexpr double kSeasonDays = 180;

// Weighted least squares of T = epoch + period * E (weights 1 / sigma^2), E counted from the
// start's cycle nearest the weighted centre of the timings; the errors of the elements are scaled
// by sqrt(reduced chi^2) when that is above 1. A residual beyond 3 sigma is flagged, sigma being
// the timing's error times the spread of the residuals in their errors (1.4826 times the median
// of |O-C| / error, when above 1: one wild timing does not widen it as it widens chi^2). With
// reject the fit is made again without the flagged ones (then listed as rejected) as long as
// enough are left. The errors must be above 0; no timings give an empty fit.
ElementsFit fitElements(std::span<const TimingPoint> timings, const ephemeris::Elements &start,
                        sky::TimeReference reference, bool reject);

} // namespace timing
