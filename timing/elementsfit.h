#pragma once

// Linear elements fitted to times of minimum (the error of their predictions is sky's
// propagatedErrorDays).

#include "elementsfile.h"
#include "timingsfile.h"

#include "elements.h"
#include "elementsets.h"

#include <span>
#include <vector>

namespace timing {

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
    long long cycle = 0; // E, as the start numbers it (its own cycle plus its epochCycle)
    double ocDays = 0;
    double errorDays = 0;
    Flag flag = Flag::Kept;
};

struct ElementsFit
{
    sky::ElementSet fitted; // of the kind Fitted
    double reducedChiSquare = 0; // NaN without degrees of freedom
    bool errorsScaled = false;   // by sqrt(reduced chi^2), which is above 1
    bool periodKept = false;     // one timing, or less than a season: only the epoch is fitted
    std::vector<Residual> residuals; // in the order of the timings
    // Why the fitted elements cannot be used (refusalOf: a number that is not finite, elements out
    // of bounds, an error of a quarter period); nothing when they can.
    std::optional<ElementsRefusal> refusal;
};

// A season: timings spanning less than this fit only the epoch.
inline constexpr double kSeasonDays = 180;

// Timings of the start's star: weighted least squares of T = epoch + period * E (weights 1 / sigma^2, each error at least
// kSmallestTimingErrorDays), E counted from the start's cycle nearest the weighted centre of the
// timings; the errors of the elements are scaled by sqrt(reduced chi^2) when that is above 1.
// Timings of less than a season (or one) fit the epoch alone: the period is the start's, its error
// sky::statedPeriodErrorDays(start), which the epoch's error and their covariance take in (the
// mean cycle of the timings from the epoch, x, gives sigma_epoch^2 = 1 / sum(w) + x^2 sigma_P^2
// and cov = -x sigma_P^2), so that a prediction's error grows away from the timings. The fitted
// epoch's cycle is the start's numbering of it; the timings' rms is unknown below three.
// A residual beyond 3 sigma is flagged, sigma being the timing's error times the spread of the
// residuals in their errors (1.4826 times the median of |O-C| / error, when above 1: one wild
// timing does not widen it as it widens chi^2). With reject the fit is made again without the
// flagged ones (then listed as rejected) as long as enough are left, fitting the epoch alone if
// those left span less than a season. No timings give an empty fit, with a refusal.
ElementsFit fitElements(std::span<const TimingPoint> timings, const sky::ElementSet &start,
                        bool reject);

} // namespace timing
