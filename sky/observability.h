#pragma once

#include "elementsets.h"
#include "positions.h"
#include "site.h"

#include <optional>
#include <vector>

namespace sky {

// A minimum is observable when, at its instant, its star (Algol unless the elements name another)
// stands at least minAlgolAltitudeDeg high and the Sun at most maxSunAltitudeDeg.
struct Conditions
{
    double minAlgolAltitudeDeg = 20;
    double maxSunAltitudeDeg = -12;
};

struct PredictedMinimum
{
    long long cycle = 0;                      // E, counted from cycleReference(*star)'s epoch
    double jdUtc = 0;                         // the geocentric instant, Julian Day on UTC
    std::optional<double> uncertaintyMinutes; // empty when unknown
    std::optional<double> scatterMinutes;     // of fitted elements: their timings' rms, if known
    std::optional<SkyAtInstant> sky;          // with a site only
    bool algolHighEnough = true;              // the star high enough; true without a site
    bool skyDarkEnough = true;                // true without a site
    const Star *star = &algolStar();          // the elements' star
    bool secondary = false;                   // the secondary minimum after the primary of cycle
    bool observable() const { return algolHighEnough && skyDarkEnough; }
};

// The longest period predictMinima covers: 100 years of the calendar (with 25 leap days).
inline constexpr double kLongestPredictionDays = 36525;

// What predictMinima works out besides the primary minima.
struct PredictionOptions
{
    // Also the secondary minima of a star that has one worth listing (listedSecondaryPhase), at
    // epoch + (E + phase) * period.
    bool secondaries = false;
    // The Moon at every minimum, or only at those that are observable (NaN at the others): all
    // that a list of the observable minima shows.
    bool moonOfEveryMinimum = true;
};

// Every minimum whose geocentric instant lies in (fromJdUtc, toJdUtc], in time order, with the
// observing columns when a site is given, and what the options add. The classic
// elements' minima come from the main window's stepping, the others from epoch + E * period
// itself; heliocentric elements are turned into geocentric instants. Empty when the period is not
// finite, reversed or longer than kLongestPredictionDays, or when the site is not a place on the
// Earth (a coordinate that is not finite, a latitude beyond +-90).
std::vector<PredictedMinimum> predictMinima(const ElementSet &set, double fromJdUtc,
                                            double toJdUtc, const std::optional<Site> &site,
                                            const Conditions &conditions,
                                            const PredictionOptions &options = {});

// Why a site sees none of the minima of a period, when it sees none.
enum class NoneObservable {
    NotNone,               // at least one minimum is observable
    NoMinimum,             // the period holds no minimum at all
    AlgolNeverHighEnough,  // each minimum's star culminates at the site below the minimum altitude
    SkyNeverDarkEnough,    // on none of the days of the minima does the Sun go low enough
    NoneThisTime,          // each one fails for its own reasons
};
NoneObservable whyNoneObservable(const std::vector<PredictedMinimum> &minima,
                                 const std::optional<Site> &site, const Conditions &conditions);

} // namespace sky
