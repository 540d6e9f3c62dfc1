#include "nightsky.h"

#include "eclipsemodel.h"
#include "positions.h"

#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace sky {

namespace {

constexpr double kMinutesPerDay = 1440;
// Radians an hour angle turns in one day: a sidereal day for a star, a solar day for the Sun.
constexpr double kSiderealTurnPerDay = 2 * ERFA_DPI * 1.00273790935;
constexpr double kSolarTurnPerDay = 2 * ERFA_DPI;
constexpr double kLongestNightDays = 2;

// The boundaries of the sky's states, from day down to night.
constexpr std::array<double, 4> kStateBoundariesDeg = {-0.833, -6, -12, -18};

// A place on the sky as the site sees it turn: declination and hour angle, radians.
struct Equatorial
{
    double declination;
    double hourAngle;
};

// From altitude and azimuth (north through east) at latitude phi.
Equatorial equatorialOf(const Horizontal &h, double phi)
{
    const double a = h.altitudeDeg * ERFA_DD2R;
    const double azimuth = h.azimuthDeg * ERFA_DD2R;
    const double sinDeclination =
        std::sin(phi) * std::sin(a) + std::cos(phi) * std::cos(a) * std::cos(azimuth);
    const double x = std::sin(a) * std::cos(phi) - std::cos(a) * std::cos(azimuth) * std::sin(phi);
    const double y = -std::cos(a) * std::sin(azimuth);
    return {std::asin(std::clamp(sinDeclination, -1.0, 1.0)), std::atan2(y, x)};
}

// sin of the altitude at latitude phi of a place at hour angle hourAngle.
double sinAltitude(double phi, double declination, double hourAngle)
{
    return std::sin(phi) * std::sin(declination)
        + std::cos(phi) * std::cos(declination) * std::cos(hourAngle);
}

double magnitudeAt(double jdUtc, double minimumJdUtc, double periodDays)
{
    const double cycles = (jdUtc - minimumJdUtc) / periodDays;
    return eclipses::algolMagnitudeFast(cycles - std::floor(cycles));
}

// The brightest and faintest magnitudes of the whole light curve, from a thousand phases (the
// primary minimum among them).
std::pair<double, double> wholeCurveRange()
{
    static const std::pair<double, double> range = [] {
        constexpr int kPhases = 1000;
        double brightest = eclipses::algolMagnitudeFast(0);
        double faintest = brightest;
        for (int i = 1; i < kPhases; ++i) {
            const double magnitude = eclipses::algolMagnitudeFast(double(i) / kPhases);
            brightest = std::min(brightest, magnitude);
            faintest = std::max(faintest, magnitude);
        }
        return std::pair(brightest, faintest);
    }();
    return range;
}

// The brightest and faintest magnitudes at jdUtc when the minimum may lie anywhere within
// +-spreadDays of minimumJdUtc: at the two ends of that range, or at a minimum of the curve
// (primary or secondary) that falls inside it, of which there are at most two. A spread of half a
// period or more (or not a number) may put any phase there: the whole curve's range.
std::pair<double, double> magnitudeRange(double jdUtc, double minimumJdUtc, double periodDays,
                                         double spreadDays)
{
    if (!(spreadDays < periodDays / 2))
        return wholeCurveRange();
    const double early = magnitudeAt(jdUtc, minimumJdUtc - spreadDays, periodDays);
    const double late = magnitudeAt(jdUtc, minimumJdUtc + spreadDays, periodDays);
    double brightest = std::min(early, late);
    double faintest = std::max(early, late);
    const double fromCycles = (jdUtc - minimumJdUtc - spreadDays) / periodDays;
    const double toCycles = (jdUtc - minimumJdUtc + spreadDays) / periodDays;
    for (double half = std::ceil(2 * fromCycles); half <= 2 * toCycles; ++half)
        faintest = std::max(faintest, eclipses::algolMagnitudeFast(half / 2 - std::floor(half / 2)));
    return {brightest, faintest};
}

} // namespace

double watchableHours(const Site &site, const SkyAtInstant &atMinimum,
                      const Conditions &conditions)
{
    if (!isValidSite(site) || std::isnan(atMinimum.algol.altitudeDeg)
        || std::isnan(atMinimum.sun.altitudeDeg))
        return std::numeric_limits<double>::quiet_NaN();
    const double phi = site.latitudeDeg * ERFA_DD2R;
    const Equatorial algol = equatorialOf(atMinimum.algol, phi);
    const Equatorial sun = equatorialOf(atMinimum.sun, phi);
    const double lowestAlgol = std::sin(conditions.minAlgolAltitudeDeg * ERFA_DD2R);
    const double highestSun = std::sin(conditions.maxSunAltitudeDeg * ERFA_DD2R);
    // The middle of each minute of the window.
    const int minutes = int(kWatchWindowHours * 60);
    int watchable = 0;
    for (int i = 0; i < minutes; ++i) {
        const double days = (i + 0.5 - minutes / 2.0) / kMinutesPerDay;
        if (sinAltitude(phi, algol.declination, algol.hourAngle + kSiderealTurnPerDay * days)
                >= lowestAlgol
            && sinAltitude(phi, sun.declination, sun.hourAngle + kSolarTurnPerDay * days)
                <= highestSun)
            ++watchable;
    }
    return watchable / 60.0;
}

SkyState skyStateOf(double sunAltitudeDeg)
{
    const auto below = std::count_if(kStateBoundariesDeg.begin(), kStateBoundariesDeg.end(),
                                     [&](double boundary) { return sunAltitudeDeg < boundary; });
    return SkyState(below);
}

Night sampleNight(const Site &site, double fromJdUtc, double toJdUtc, double minimumJdUtc,
                  double periodDays, std::optional<double> uncertaintyMinutes)
{
    Night night{fromJdUtc, toJdUtc, minimumJdUtc, uncertaintyMinutes, {}, {}};
    if (!isValidSite(site) || !std::isfinite(fromJdUtc) || !std::isfinite(toJdUtc)
        || !(fromJdUtc < toJdUtc) || toJdUtc - fromJdUtc > kLongestNightDays
        || !std::isfinite(minimumJdUtc) || !(periodDays > 0))
        return night;
    const double step = kNightStepMinutes / kMinutesPerDay;
    const int steps = int(std::ceil((toJdUtc - fromJdUtc) / step));
    const double spread = uncertaintyMinutes.value_or(0) / kMinutesPerDay;
    night.samples.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double jd = i == steps ? toJdUtc : fromJdUtc + i * step;
        const SkyAtInstant sky = skyAt(site, jd);
        if (std::isnan(sky.sun.altitudeDeg))
            return {fromJdUtc, toJdUtc, minimumJdUtc, uncertaintyMinutes, {}, {}};
        const auto [brightest, faintest] = magnitudeRange(jd, minimumJdUtc, periodDays, spread);
        night.samples.push_back({jd, sky.algol.altitudeDeg, sky.sun.altitudeDeg,
                                 sky.moon.altitudeDeg, sky.moonIlluminatedFraction,
                                 magnitudeAt(jd, minimumJdUtc, periodDays), brightest, faintest});
    }

    // The bands: a new one wherever the Sun's altitude crosses a boundary between two samples.
    SkyBand band{fromJdUtc, toJdUtc, skyStateOf(night.samples.front().sunAltitudeDeg)};
    for (std::size_t i = 1; i < night.samples.size(); ++i) {
        const NightSample &a = night.samples[i - 1];
        const NightSample &b = night.samples[i];
        const bool rising = b.sunAltitudeDeg > a.sunAltitudeDeg;
        // Boundaries in the order the Sun meets them: downwards in the evening, upwards at dawn;
        // below boundary k the state is k + 1.
        for (std::size_t n = 0; n < kStateBoundariesDeg.size(); ++n) {
            const std::size_t k = rising ? kStateBoundariesDeg.size() - 1 - n : n;
            const double boundary = kStateBoundariesDeg[k];
            if ((a.sunAltitudeDeg < boundary) == (b.sunAltitudeDeg < boundary))
                continue;
            const double f = (boundary - a.sunAltitudeDeg) / (b.sunAltitudeDeg - a.sunAltitudeDeg);
            band.toJdUtc = a.jdUtc + f * (b.jdUtc - a.jdUtc);
            night.bands.push_back(band);
            band = {band.toJdUtc, toJdUtc, SkyState(rising ? k : k + 1)};
        }
    }
    night.bands.push_back(band);
    return night;
}

} // namespace sky
