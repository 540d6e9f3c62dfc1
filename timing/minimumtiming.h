#pragma once

// From observations to times of minimum: the points of each predicted eclipse, each eclipse timed
// by the method that suits it, and its O-C against the elements.

#include "methods.h"
#include "observations.h"

#include "elements.h"
#include "elementsets.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timing {

enum class Method { KweeVanWoerden, Template, Auto };

// "kvw", "template" or "auto", as the timings file and the command line name them.
std::string_view methodName(Method method);
// The reason as a short English sentence without a full stop.
std::string_view untimedText(Untimed reason);

struct TimingOptions
{
    Method method = Method::Auto;
    int folds = 5;                // Kwee and van Woerden's trial times: 3, 5 or 7
    double windowHours = 5;       // about the predicted minimum: Algol's defaultWindowHours
    std::optional<double> noise;  // one point's noise in the values' unit, for Kwee and van Woerden
};

// The window about a star's predicted minima in which its points are timed: half its eclipse D
// rounded up to the hour (Algol: 5 of its 9.6 hours), or the longest, 24 hours, for a star without
// D (beta Lyr, whose light changes all the time).
double defaultWindowHours(const sky::Star &star);

// The points of one eclipse in one band, in time order.
struct Eclipse
{
    long long cycle = 0; // E, counted from the elements' epoch
    std::string band;
    std::vector<Observation> points;
};

// Each observation goes to the cycle of the nearest predicted minimum and is kept when it lies
// within the window of it; the times must already be in the elements' scale. Eclipses come in
// the order of their cycles, then bands.
std::vector<Eclipse> splitIntoEclipses(const std::vector<Observation> &observations,
                                       const ephemeris::Elements &elements, double windowHours);

struct EclipseTiming
{
    long long cycle = 0; // as the eclipse's; timeObservations adds the set's epochCycle
    std::string band;
    std::vector<std::string> observers; // the codes in the eclipse, sorted, each once
    int points = 0;                     // N
    Method method = Method::Auto;       // the one used (or tried)
    std::optional<Untimed> untimed;     // why it could not be timed; the fields below are unset
    bool resampled = false;             // by Kwee and van Woerden, the points being uneven
    double minimum = 0;                 // in the elements' scale
    double minimumJdUtc = 0;            // the same instant seen from the Earth, JD on UTC
    double errorDays = 0;
    std::optional<double> kvwErrorDays; // Kwee and van Woerden's own error, when defined
    int pairs = 0;                      // Z, for Kwee and van Woerden
    double noise = 0;                   // the noise used by Kwee and van Woerden
    bool noiseEstimated = false;
    double ocDays = 0;                  // observed minus computed
};

// auto takes Kwee and van Woerden for 20 points or more without a gap (a step over three times
// the median step and over 30 minutes) whose foldings tell the minimum from the noise (given, or
// estimated from the points' second differences): the light's change from one point to the next
// g, over Z = N / 2 pairs, with sqrt(2 Z) g^2 eight times the noise's square at least; the
// template otherwise, when there is a curve (else Kwee and van Woerden anyway). A minimum found in
// a gap of the points longer than an hour is not trusted. Whatever the method, both sides of the
// minimum must be seen: each holds three points from a tenth of the eclipse's half-width (half an
// hour for Algol) to the half-width from it, and the light of its points within the eclipse rises
// away from the minimum by three times the error of that slope at least; a series that only fades
// (or brightens) to one end, in which no minimum is found, has one side missing too. The curve is
// the star's (EclipseCurve::ofStar), Algol's by default; without one the half-width is
// kHalfWidthWithoutCurve and the template cannot be fitted (NoTemplate).
EclipseTiming timeEclipse(const Eclipse &eclipse, const ephemeris::Elements &elements, bool flux,
                          const TimingOptions &options,
                          const std::optional<EclipseCurve> &curve = EclipseCurve());

struct TimingReport
{
    sky::DateScale scale = sky::DateScale::HeliocentricUtc; // of the minima and the elements
    std::vector<EclipseTiming> eclipses;
    long long outsideWindows = 0; // observations far from any predicted minimum
};

// The smallest error a timing is given, one second: points without noise, or a noise given as
// next to nothing, would time a minimum to 0, which would then outweigh every other timing of a
// fit. No observation of a ten-hour eclipse times it better; the timings file keeps it (7
// decimals of a day).
inline constexpr double kSmallestTimingErrorDays = 1.0 / 86400;

// The observations in the elements' scale, split and timed with the curve of the set's star;
// minimumJdUtc filled in, each error at least kSmallestTimingErrorDays, and the cycles numbered as
// the set numbers them (its own cycle plus its epochCycle). The file's rows must be the set's
// star's.
TimingReport timeObservations(const ObservationFile &file, const sky::ElementSet &set,
                              const TimingOptions &options);

} // namespace timing
