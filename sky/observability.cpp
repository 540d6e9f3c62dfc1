#include "observability.h"

#include "heliocentric.h"
#include "minima.h"
#include "starcatalogue.h"
#include "timetypes.h"

#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace sky {

namespace {

// Wider than the light-time (at most 0.0058 day for any star), so that every heliocentric minimum
// seen inside the period is searched.
constexpr double kHeliocentricMarginDays = 0.01;

// Bounds the work for elements of a caller's own making: 100 years of minima every 0.365 day.
constexpr double kMostMinima = 100000;

// The minimum of the set's own cycle, numbered as cycleReference() numbers it.
PredictedMinimum predicted(const ElementSet &set, long long cycle, bool secondary, double jdUtc,
                           const std::optional<Site> &site, const Conditions &conditions,
                           const EarthState &earth, const MoonWhen &moonWhen)
{
    PredictedMinimum minimum;
    minimum.cycle = cycle + set.epochCycle;
    minimum.jdUtc = jdUtc;
    minimum.star = set.star;
    minimum.secondary = secondary;
    minimum.uncertaintyMinutes = uncertaintyMinutes(set, jdUtc);
    if (set.kind == ElementSetKind::Fitted && set.fit.rmsDays)
        minimum.scatterMinutes = *set.fit.rmsDays * ephemeris::kMinutesPerDay;
    if (site) {
        minimum.sky = skyAt(*site, jdUtc, earth, *set.star, moonWhen);
        minimum.algolHighEnough = minimum.sky->algol.altitudeDeg >= conditions.minAlgolAltitudeDeg;
        minimum.skyDarkEnough = minimum.sky->sun.altitudeDeg <= conditions.maxSunAltitudeDeg;
    }
    return minimum;
}

// The Sun's altitude at its lower culmination, the darkest moment of the day of a minimum, from its
// place at the minimum: its declination from the altitude and azimuth (sin d = sin phi sin h +
// cos phi cos h cos A), then |phi + d| - 90.
double sunLowestAltitudeDeg(const Site &site, const Horizontal &sun)
{
    const double phi = site.latitudeDeg * ERFA_DD2R;
    const double h = sun.altitudeDeg * ERFA_DD2R;
    const double sinDeclination = std::sin(phi) * std::sin(h)
        + std::cos(phi) * std::cos(h) * std::cos(sun.azimuthDeg * ERFA_DD2R);
    const double declination = std::asin(std::clamp(sinDeclination, -1.0, 1.0));
    return std::fabs(phi + declination) * ERFA_DR2D - 90;
}

} // namespace

std::vector<PredictedMinimum> predictMinima(const ElementSet &set, double fromJdUtc,
                                            double toJdUtc, const std::optional<Site> &site,
                                            const Conditions &conditions,
                                            const PredictionOptions &options)
{
    if (!std::isfinite(fromJdUtc) || !std::isfinite(toJdUtc) || !(fromJdUtc < toJdUtc)
        || toJdUtc - fromJdUtc > kLongestPredictionDays || (site && !isValidSite(*site)))
        return {};
    const bool heliocentric = set.reference == TimeReference::Heliocentric;
    const double margin = heliocentric ? kHeliocentricMarginDays : 0;
    const double period = set.elements.period;
    if (!((toJdUtc - fromJdUtc + 2 * margin) / period <= kMostMinima))
        return {};
    // The classic elements keep the main window's stepping; the others are exact.
    const bool stepped = set.kind == ElementSetKind::Classic;
    const double threshold = fromJdUtc - margin;
    const std::optional<ephemeris::NumberedMinimum> first = stepped
        ? ephemeris::firstMinimumAfter(threshold, set.elements)
        : ephemeris::firstLinearMinimumAfter(threshold, set.elements);
    if (!first)
        return {};

    const std::optional<double> secondaryPhase =
        options.secondaries && !stepped ? listedSecondaryPhase(*set.star) : std::nullopt;
    const MoonWhen moonWhen = options.moonOfEveryMinimum
        ? MoonWhen{}
        : MoonWhen{conditions.minAlgolAltitudeDeg, conditions.maxSunAltitudeDeg};

    std::vector<PredictedMinimum> minima;
    // The minimum at the instant of the elements, when it is seen inside the period.
    const auto add = [&](double instant, long long cycle, bool secondary) {
        // One Earth for the minimum, at the instant of the elements, moved on to the geocentric
        // instant for the positions.
        const TwoPartDate tt = terrestrialTimeFromUtc(instant);
        if (std::isnan(tt.whole))
            return;
        EarthState earth = approximateEarthAt(tt);
        double jdUtc = instant;
        if (heliocentric) {
            const double lightTimeDays = geocentricMinusHeliocentricDays(earth, *set.star);
            jdUtc += lightTimeDays;
            earth = movedOn(earth, lightTimeDays);
        }
        if (jdUtc > fromJdUtc && jdUtc <= toJdUtc)
            minima.push_back(predicted(set, cycle, secondary, jdUtc, site, conditions, earth, moonWhen));
    };
    // The secondary of the cycle before the first primary may lie inside the period too.
    for (long long k = secondaryPhase ? -1 : 0;; ++k) {
        // Each minimum from the first one, never from an accumulated sum.
        const double instant = stepped ? first->instant + static_cast<double>(k) * period
                                       : ephemeris::linearMinimum(first->cycle + k, set.elements);
        const double secondaryInstant = secondaryPhase ? instant + *secondaryPhase * period : 0;
        if (!(instant <= toJdUtc + margin) && !(secondaryPhase && secondaryInstant <= toJdUtc + margin))
            break;
        if (k >= 0 && instant <= toJdUtc + margin)
            add(instant, first->cycle + k, false);
        if (secondaryPhase && secondaryInstant <= toJdUtc + margin)
            add(secondaryInstant, first->cycle + k, true);
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
    const auto neverHighEnough = [&](const PredictedMinimum &minimum) {
        return highestAltitudeDeg(*site, *minimum.star) < conditions.minAlgolAltitudeDeg;
    };
    if (site && std::all_of(minima.begin(), minima.end(), neverHighEnough))
        return NoneObservable::AlgolNeverHighEnough;
    const auto neverDark = [&](const PredictedMinimum &minimum) {
        return minimum.sky
            && sunLowestAltitudeDeg(*site, minimum.sky->sun) > conditions.maxSunAltitudeDeg;
    };
    if (site && std::all_of(minima.begin(), minima.end(), neverDark))
        return NoneObservable::SkyNeverDarkEnough;
    return NoneObservable::NoneThisTime;
}

} // namespace sky
