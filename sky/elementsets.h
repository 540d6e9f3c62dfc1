#pragma once

#include "elements.h"

#include <optional>
#include <string>
#include <string_view>

namespace sky {

// What the epoch and the predicted minima of an element set are counted in: Julian Days of the
// instant seen at the Earth's centre, or heliocentric Julian Days (the instant the light would
// reach the Sun). Both on UTC.
enum class TimeReference { Geocentric, Heliocentric };

// Fitted: elements fitted to timed minima (algol-minima fit), with what the fit knows of them.
enum class ElementSetKind { Current, Classic, Custom, Fitted };

// What a fit of linear elements to times of minimum says of them.
struct FitStatistics
{
    double epochErrorDays = 0;
    double periodErrorDays = 0;
    double correlation = 0; // of epoch and period
    int timings = 0;
    double firstTiming = 0; // the span of the timings, in the elements' scale
    double lastTiming = 0;
    double rmsDays = 0;     // the scatter of their residuals
};

struct ElementSet
{
    ElementSetKind kind = ElementSetKind::Current;
    ephemeris::Elements elements;
    TimeReference reference = TimeReference::Heliocentric;
    FitStatistics fit; // of Fitted elements only
};

// Min I = HJD 2455528.105 + 2.867326 E (the O-C gateway's linear elements for beta Persei).
ElementSet currentElements();
// The main window's elements, JD 2441598.608 + 2.867315 E, used as they are (no correction).
ElementSet classicElements();

// "current", "classic" or "EPOCH:PERIOD[:hjd|jd]" (decimal numbers with "."; heliocentric when the
// suffix is left out). The epoch must lie between JD 2000000 and 2600000 and the period between
// 0.5 and 10 days. Empty on anything else.
std::optional<ElementSet> parseElementSet(std::string_view text);

// The standard error of the minimum of cycle E that fitted elements predict, propagated from the
// fit, days: sigma(E)^2 = sigma_epoch^2 + 2 E cov(epoch, period) + E^2 sigma_period^2.
double propagatedErrorDays(const FitStatistics &fit, double cycle);

// How far a predicted minimum at jdUtc may be from the real one, in minutes: 15 for the current
// elements within 2015-2030, growing outside; for the classic elements their distance from the
// current prediction plus that; for fitted elements the propagated error of the nearest minimum
// (beside which the scatter of Algol's own timings, fit.rmsDays, also counts). Empty for custom
// elements (unknown).
std::optional<double> uncertaintyMinutes(const ElementSet &set, double jdUtc);

// Whether the current elements are used outside 2000-2040, where they are extrapolated.
bool isExtrapolated(const ElementSet &set, double jdUtc);

} // namespace sky
