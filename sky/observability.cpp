#include "observability.h"

#include "heliocentric.h"
#include "minima.h"

#include <algorithm>
#include <cmath>

namespace sky {

namespace {

// Wider than the light-time (at most 0.0054 day for Algol), so that every heliocentric minimum
// seen inside the period is searched.
constexpr double kHeliocentricMarginDays = 0.01;

// Bounds the work for elements of a caller's own making: 100 years of minima every 0.365 day.
constexpr double kMostMinima = 100000;

bool isValid(const std::optional<Site> &site)
{
    return !site
        || (std::isfinite(site->latitudeDeg) && std::fabs(site->latitudeDeg) <= 90
            && std::isfinite(site->longitudeDeg) && std::isfinite(site->heightM));
}

PredictedMinimum predicted(const ElementSet &set, long long cycle, double jdUtc,
                           const std::optional<Site> &site, const Conditions &conditions)
{
    PredictedMinimum minimum;
    minimum.cycle = cycle;
    minimum.jdUtc = jdUtc;
    minimum.uncertaintyMinutes = uncertaintyMinutes(set, jdUtc);
    if (site) {
        minimum.sky = skyAt(*site, jdUtc);
        minimum.algolHighEnough = minimum.sky->algol.altitudeDeg >= conditions.minAlgolAltitudeDeg;
        minimum.skyDarkEnough = minimum.sky->sun.altitudeDeg <= conditions.maxSunAltitudeDeg;
    }
    return minimum;
}

} // namespace

std::vector<PredictedMinimum> predictMinima(const ElementSet &set, double fromJdUtc,
                                            double toJdUtc, const std::optional<Site> &site,
                                            const Conditions &conditions)
{
    if (!std::isfinite(fromJdUtc) || !std::isfinite(toJdUtc) || !(fromJdUtc < toJdUtc)
        || toJdUtc - fromJdUtc > kLongestPredictionDays || !isValid(site))
        return {};
    const bool heliocentric = set.reference == TimeReference::Heliocentric;
    const double margin = heliocentric ? kHeliocentricMarginDays : 0;
    const double period = set.elements.period;
    if (!((toJdUtc - fromJdUtc + 2 * margin) / period <= kMostMinima))
        return {};
    const std::optional<ephemeris::NumberedMinimum> first =
        ephemeris::firstMinimumAfter(fromJdUtc - margin, set.elements);
    if (!first)
        return {};

    std::vector<PredictedMinimum> minima;
    for (long long k = 0;; ++k) {
        // Each minimum from the first one, never from an accumulated sum.
        const double instant = first->instant + static_cast<double>(k) * period;
        if (!(instant <= toJdUtc + margin))
            break;
        const double jdUtc = heliocentric ? geocentricFromHeliocentric(instant) : instant;
        if (jdUtc > fromJdUtc && jdUtc <= toJdUtc)
            minima.push_back(predicted(set, first->cycle + k, jdUtc, site, conditions));
    }
    return minima;
}

NoneObservable whyNoneObservable(const std::vector<PredictedMinimum> &minima,
                                 const std::optional<Site> &site, const Conditions &conditions)
{
    if (std::any_of(minima.begin(), minima.end(),
                    [](const PredictedMinimum &minimum) { return minimum.observable(); }))
        return NoneObservable::NotNone;
    if (minima.empty())
        return NoneObservable::NoMinimum;
    if (site && algolHighestAltitudeDeg(*site) < conditions.minAlgolAltitudeDeg)
        return NoneObservable::AlgolNeverHighEnough;
    if (std::none_of(minima.begin(), minima.end(),
                     [](const PredictedMinimum &minimum) { return minimum.skyDarkEnough; }))
        return NoneObservable::SkyNeverDarkEnough;
    return NoneObservable::NoneThisTime;
}

} // namespace sky
