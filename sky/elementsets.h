#pragma once

#include "elements.h"

#include <optional>
#include <string>
#include <string_view>

namespace sky {

struct Star;

// Algol's row of the star catalogue (starcatalogue.h): the star of every function that is given
// none.
const Star &algolStar();

// What the epoch and the predicted minima of an element set are counted in: Julian Days of the
// instant seen at the Earth's centre, or heliocentric Julian Days (the instant the light would
// reach the Sun). Both on UTC.
enum class TimeReference { Geocentric, Heliocentric };

// Fitted: elements fitted to timed minima (algol-minima fit), with what the fit knows of them.
enum class ElementSetKind { Current, Classic, Custom, Fitted };

// The scatter of timings about linear elements needs at least this many of them: one timing fits
// the epoch exactly, two leave nothing or one residual to measure it by.
inline constexpr int kFewestTimingsForScatter = 3;

// What a fit of linear elements to times of minimum says of them.
struct FitStatistics
{
    double epochErrorDays = 0;
    double periodErrorDays = 0;
    double correlation = 0; // of epoch and period
    int timings = 0;
    double firstTiming = 0; // the span of the timings, in the elements' scale
    double lastTiming = 0;
    std::optional<double> rmsDays; // the scatter of their residuals; unknown below three timings
};

struct ElementSet
{
    ElementSetKind kind = ElementSetKind::Current;
    ephemeris::Elements elements;
    TimeReference reference = TimeReference::Heliocentric;
    FitStatistics fit; // of Fitted elements only
    // The cycle of the epoch in the numbering of cycleReference(*star): a minimum's E is its own
    // count of periods from the epoch plus this, so that one eclipse has one E whatever the
    // elements.
    long long epochCycle = 0;
    // The star whose minima they predict, a row of the catalogue.
    const Star *star = &algolStar();
};

// The star's elements in the catalogue, of the kind Current: for Algol, Min I = HJD 2455528.105 +
// 2.867326 E (the O-C gateway's linear elements for beta Persei).
ElementSet catalogueElements(const Star &star);
// Algol's catalogue elements.
ElementSet currentElements();
// The main window's elements of Algol, JD 2441598.608 + 2.867315 E, used as they are (no
// correction); their epoch is E = -4858.
ElementSet classicElements();

// The elements whose epoch is E = 0 for every set of the star: its catalogue elements.
ElementSet cycleReference(const Star &star = algolStar());
// The cycle of the star's cycleReference() minimum nearest an epoch given in the reference (HJD or
// JD on UTC): the epochCycle of elements that count their own cycles from it. The epoch must lie
// between JD 2000000 and 2600000.
long long referenceCycleOf(double epoch, TimeReference reference, const Star &star = algolStar());

// "current" (the star's catalogue elements), "classic" (Algol's only) or "EPOCH:PERIOD[:hjd|jd]"
// (decimal numbers with "."; heliocentric when the suffix is left out), of the star. The epoch
// must lie between JD 2000000 and 2600000 and the period between 0.5 and 20 days. Empty on
// anything else.
std::optional<ElementSet> parseElementSet(std::string_view text, const Star &star = algolStar());

// The standard error of the minimum of cycle E that fitted elements predict, propagated from the
// fit, days: sigma(E)^2 = sigma_epoch^2 + 2 E cov(epoch, period) + E^2 sigma_period^2, E counted
// from their own epoch.
double propagatedErrorDays(const FitStatistics &fit, double cycle);

// What the period of a set is worth when a fit keeps it (timings of less than a season), days:
// - Algol's current elements: their 15 minutes of 2015-2030 spread over the cycles from their
//   epoch to the end of 2030 (4.07e-6 day);
// - another star's catalogue elements, for which no uncertainty is published: half the last
//   decimal of the period as the catalogue gives it (5e-8 day for 3.9529478), all it states;
// - fitted: their own period error (the star's catalogue figure when that is 0);
// - classic and custom: how far their period is from the catalogue's, plus that figure.
double statedPeriodErrorDays(const ElementSet &set);

// How far a predicted minimum at jdUtc may be from the real one, in minutes: 15 for Algol's
// current elements within 2015-2030, growing outside; for the classic elements their distance from
// the current prediction plus that; for fitted elements the propagated error of the nearest
// minimum (beside which the scatter of the star's own timings, fit.rmsDays, also counts). Empty
// for another star's catalogue elements (no source publishes one: elementsYear says whose they
// are), for custom elements (unknown) and when it is not a finite number.
std::optional<double> uncertaintyMinutes(const ElementSet &set, double jdUtc);

// Whether Algol's current elements are used outside 2000-2040, where they are extrapolated.
bool isExtrapolated(const ElementSet &set, double jdUtc);

} // namespace sky
