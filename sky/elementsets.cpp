#include "elementsets.h"

#include "heliocentric.h"
#include "starcatalogue.h"

#include <erfa.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace sky {

namespace {

constexpr double kLowestEpoch = 2000000;
constexpr double kHighestEpoch = 2600000;
constexpr double kShortestPeriod = 0.5;
constexpr double kLongestPeriod = 20; // beta Lyr's 12.9 days with room

// The uncertainty of the current elements: 15 minutes within 2015-2030, and one minute more for
// every year (of 365.25 days) outside that window. A plain, stated model, not a propagation of the
// errors of the fit.
constexpr int kFirstCheckedYear = 2015;
constexpr int kLastCheckedYear = 2030;
constexpr double kCheckedUncertaintyMinutes = 15;
constexpr double kExtraMinutesPerYear = 1;
constexpr double kDaysPerYear = 365.25;

// The years the current elements rest on; outside them they are extrapolated.
constexpr int kFirstSupportedYear = 2000;
constexpr int kLastSupportedYear = 2040;

// Julian Day of 1 January of the year, 0h UTC.
double startOfYearJd(int year)
{
    double whole = 0;
    double fraction = 0;
    eraCal2jd(year, 1, 1, &whole, &fraction);
    return whole + fraction;
}

std::optional<double> parseNumber(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitAtColons(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos;
         colon = text.find(':')) {
        parts.push_back(text.substr(0, colon));
        text.remove_prefix(colon + 1);
    }
    parts.push_back(text);
    return parts;
}

double currentUncertaintyMinutes(double jdUtc)
{
    const double start = startOfYearJd(kFirstCheckedYear);
    const double end = startOfYearJd(kLastCheckedYear + 1);
    const double daysOutside = jdUtc < start ? start - jdUtc : jdUtc > end ? jdUtc - end : 0;
    return kCheckedUncertaintyMinutes + kExtraMinutesPerYear * daysOutside / kDaysPerYear;
}

// The current elements' minimum nearest to jdUtc, as seen from the Earth's centre.
double nearestCurrentMinimumJd(double jdUtc)
{
    const ephemeris::Elements current = currentElements().elements;
    const double cycles = std::round((heliocentricFromGeocentric(jdUtc) - current.epoch)
                                     / current.period);
    return geocentricFromHeliocentric(current.epoch + cycles * current.period);
}

bool isAlgol(const Star &star)
{
    return &star == &algolStar();
}

// Half a unit of the last decimal of a number as its shortest text writes it.
double halfLastDecimal(double value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    const std::string_view written(text, error == std::errc() ? std::size_t(end - text) : 0);
    const std::size_t point = written.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(written.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

// What the period of the star's catalogue elements is worth, days (statedPeriodErrorDays).
double cataloguePeriodErrorDays(const Star &star)
{
    if (!isAlgol(star))
        return halfLastDecimal(star.elements.period);
    const ElementSet current = currentElements();
    const double currentCycles =
        (startOfYearJd(kLastCheckedYear + 1) - current.elements.epoch) / current.elements.period;
    return kCheckedUncertaintyMinutes / ephemeris::kMinutesPerDay / currentCycles;
}

} // namespace

ElementSet catalogueElements(const Star &star)
{
    return {ElementSetKind::Current, star.elements, star.reference, {}, 0, &star};
}

ElementSet currentElements()
{
    return catalogueElements(algolStar());
}

ElementSet classicElements()
{
    static const long long epochCycle =
        referenceCycleOf(ephemeris::Elements{}.epoch, TimeReference::Geocentric);
    return {ElementSetKind::Classic, ephemeris::Elements{}, TimeReference::Geocentric, {},
            epochCycle};
}

ElementSet cycleReference(const Star &star)
{
    return catalogueElements(star);
}

long long referenceCycleOf(double epoch, TimeReference reference, const Star &star)
{
    const ElementSet numbering = cycleReference(star);
    const double heliocentric =
        reference == TimeReference::Heliocentric ? epoch : heliocentricFromGeocentric(epoch, star);
    return std::llround((heliocentric - numbering.elements.epoch) / numbering.elements.period);
}

std::optional<ElementSet> parseElementSet(std::string_view text, const Star &star)
{
    if (text == "current")
        return catalogueElements(star);
    if (text == "classic")
        return isAlgol(star) ? std::optional(classicElements()) : std::nullopt;

    const std::vector<std::string_view> parts = splitAtColons(text);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const std::optional<double> epoch = parseNumber(parts[0]);
    const std::optional<double> period = parseNumber(parts[1]);
    if (!epoch || !(*epoch >= kLowestEpoch && *epoch <= kHighestEpoch) || !period
        || !(*period >= kShortestPeriod && *period <= kLongestPeriod))
        return std::nullopt;

    TimeReference reference = TimeReference::Heliocentric;
    if (parts.size() == 3) {
        if (parts[2] == "jd")
            reference = TimeReference::Geocentric;
        else if (parts[2] != "hjd")
            return std::nullopt;
    }
    return ElementSet{ElementSetKind::Custom, {*epoch, *period}, reference, {},
                      referenceCycleOf(*epoch, reference, star), &star};
}

double propagatedErrorDays(const FitStatistics &fit, double cycle)
{
    const double covariance = fit.correlation * fit.epochErrorDays * fit.periodErrorDays;
    const double variance = fit.epochErrorDays * fit.epochErrorDays + 2 * cycle * covariance
        + cycle * cycle * fit.periodErrorDays * fit.periodErrorDays;
    return std::sqrt(std::max(0.0, variance));
}

double statedPeriodErrorDays(const ElementSet &set)
{
    const double catalogueError = cataloguePeriodErrorDays(*set.star);
    switch (set.kind) {
    case ElementSetKind::Current:
        return catalogueError;
    case ElementSetKind::Fitted:
        return set.fit.periodErrorDays > 0 ? set.fit.periodErrorDays : catalogueError;
    case ElementSetKind::Classic:
    case ElementSetKind::Custom:
        break;
    }
    return std::fabs(set.elements.period - set.star->elements.period) + catalogueError;
}

std::optional<double> uncertaintyMinutes(const ElementSet &set, double jdUtc)
{
    if (!std::isfinite(jdUtc))
        return std::nullopt;
    double minutes = 0;
    switch (set.kind) {
    case ElementSetKind::Current:
        if (!isAlgol(*set.star))
            return std::nullopt;
        minutes = currentUncertaintyMinutes(jdUtc);
        break;
    case ElementSetKind::Classic:
        minutes = std::fabs(jdUtc - nearestCurrentMinimumJd(jdUtc)) * ephemeris::kMinutesPerDay
            + currentUncertaintyMinutes(jdUtc);
        break;
    case ElementSetKind::Fitted:
        // The light-time, under 0.006 day, cannot move a minimum to the next cycle.
        minutes = propagatedErrorDays(set.fit, std::round((jdUtc - set.elements.epoch) / set.elements.period))
            * ephemeris::kMinutesPerDay;
        break;
    case ElementSetKind::Custom:
        return std::nullopt;
    }
    return std::isfinite(minutes) ? std::optional(minutes) : std::nullopt;
}

bool isExtrapolated(const ElementSet &set, double jdUtc)
{
    return set.kind == ElementSetKind::Current && isAlgol(*set.star)
        && (jdUtc < startOfYearJd(kFirstSupportedYear)
            || jdUtc >= startOfYearJd(kLastSupportedYear + 1));
}

} // namespace sky
