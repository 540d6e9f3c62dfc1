#include "nightsky.h"

#include "lightcurve.h"
#include "positions.h"
#include "starcatalogue.h"

#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

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

// How far from an instant where a body crosses its altitude, in minutes, the minutes are tested one
// by one: far more than the error of that instant (under a millionth of a minute), so that the
// test changes nowhere else.
constexpr int kCrossingReachMinutes = 2;
// Closer than this to the meridian's altitude, a crossing is taken as the meridian itself: the
// arc cosine is then ill-conditioned.
constexpr double kTangentCosine = 1e-6;
// Nearer the pole than this (cos(latitude) cos(declination)), the altitude hardly turns and
// rounding may change the test anywhere: every minute is tested.
constexpr double kSmallestTurn = 1e-9;

// The days from a minimum to the middle of minute i of a window of that many minutes.
double minuteDays(int i, int minutes)
{
    return (i + 0.5 - minutes / 2.0) / kMinutesPerDay;
}

// One body's condition over a window: the sine of its altitude at least (or at most) a bound, its
// hour angle turning at a rate from its place at the minimum.
struct AltitudeTest
{
    double phi;
    Equatorial place;
    double turnPerDay;
    double bound;
    bool atLeast;

    bool holds(int i, int minutes) const
    {
        const double sine =
            sinAltitude(phi, place.declination, place.hourAngle + turnPerDay * minuteDays(i, minutes));
        return atLeast ? sine >= bound : sine <= bound;
    }

    // The minutes within kCrossingReachMinutes of an instant where the altitude crosses the bound
    // (the hour angles +-acos of c below, or the meridian when c is near +-1); false when the
    // crossings cannot be trusted.
    bool markCrossings(int minutes, std::vector<int> *marks) const
    {
        const double turn = std::cos(phi) * std::cos(place.declination);
        const double c = (bound - std::sin(phi) * std::sin(place.declination)) / turn;
        if (!(std::fabs(turn) >= kSmallestTurn) || std::isnan(c))
            return false;
        std::array<double, 2> angles{};
        std::size_t count = 0;
        if (std::fabs(c) < 1 - kTangentCosine) {
            angles = {std::acos(c), -std::acos(c)};
            count = 2;
        } else if (std::fabs(c) <= 1 + kTangentCosine) {
            angles[0] = c > 0 ? 0 : ERFA_DPI;
            count = 1;
        }
        const double reach = turnPerDay * kCrossingReachMinutes / kMinutesPerDay;
        const double first = place.hourAngle + turnPerDay * minuteDays(0, minutes) - reach;
        const double last = place.hourAngle + turnPerDay * minuteDays(minutes - 1, minutes) + reach;
        for (std::size_t n = 0; n < count; ++n) {
            for (double k = std::ceil((first - angles[n]) / (2 * ERFA_DPI));
                 angles[n] + 2 * ERFA_DPI * k <= last; ++k) {
                const double at = (angles[n] + 2 * ERFA_DPI * k - place.hourAngle) / turnPerDay
                        * kMinutesPerDay + minutes / 2.0 - 0.5;
                const int from = std::max(0, int(std::floor(at)) - kCrossingReachMinutes);
                const int to = std::min(minutes - 1, int(std::ceil(at)) + kCrossingReachMinutes);
                for (int i = from; i <= to; ++i)
                    marks->push_back(i);
            }
        }
        return true;
    }
};

// The tests of the star and the Sun over a window, from the sky at its middle.
struct WindowTests
{
    AltitudeTest star;
    AltitudeTest sun;
    int minutes;

    bool bothHold(int i) const { return star.holds(i, minutes) && sun.holds(i, minutes); }
};

std::optional<WindowTests> windowTests(const Site &site, const SkyAtInstant &atMinimum,
                                       const Conditions &conditions, double windowHours)
{
    if (!isValidSite(site) || std::isnan(atMinimum.algol.altitudeDeg)
        || std::isnan(atMinimum.sun.altitudeDeg) || !(windowHours >= 0 && windowHours <= 24))
        return std::nullopt;
    const double phi = site.latitudeDeg * ERFA_DD2R;
    return WindowTests{
        {phi, equatorialOf(atMinimum.algol, phi), kSiderealTurnPerDay,
         std::sin(conditions.minAlgolAltitudeDeg * ERFA_DD2R), true},
        {phi, equatorialOf(atMinimum.sun, phi), kSolarTurnPerDay,
         std::sin(conditions.maxSunAltitudeDeg * ERFA_DD2R), false},
        int(std::lround(windowHours * 60))};
}

double magnitudeAt(const LightCurve &curve, double jdUtc, double primaryJdUtc, double periodDays)
{
    const double cycles = (jdUtc - primaryJdUtc) / periodDays;
    return curve.magnitude(cycles - std::floor(cycles));
}

// The brightest and faintest magnitudes of the whole light curve, from a thousand phases (the
// primary minimum among them).
std::pair<double, double> wholeCurveRange(const LightCurve &curve)
{
    constexpr int kPhases = 1000;
    double brightest = curve.magnitude(0);
    double faintest = brightest;
    for (int i = 1; i < kPhases; ++i) {
        const double magnitude = curve.magnitude(double(i) / kPhases);
        brightest = std::min(brightest, magnitude);
        faintest = std::max(faintest, magnitude);
    }
    return {brightest, faintest};
}

// The brightest and faintest magnitudes at jdUtc when the primary minimum may lie anywhere within
// +-spreadDays of primaryJdUtc: at the two ends of that range, or at a minimum of the curve
// (primary or secondary, at the half periods) that falls inside it, of which there are at most
// two. A spread of half a period or more (or not a number) may put any phase there: the whole
// curve's range, worked out once a night.
std::pair<double, double> magnitudeRange(const LightCurve &curve, double jdUtc, double primaryJdUtc,
                                         double periodDays, double spreadDays,
                                         std::optional<std::pair<double, double>> &wholeRange)
{
    if (!(spreadDays < periodDays / 2)) {
        if (!wholeRange)
            wholeRange = wholeCurveRange(curve);
        return *wholeRange;
    }
    const double early = magnitudeAt(curve, jdUtc, primaryJdUtc - spreadDays, periodDays);
    const double late = magnitudeAt(curve, jdUtc, primaryJdUtc + spreadDays, periodDays);
    double brightest = std::min(early, late);
    double faintest = std::max(early, late);
    const double fromCycles = (jdUtc - primaryJdUtc - spreadDays) / periodDays;
    const double toCycles = (jdUtc - primaryJdUtc + spreadDays) / periodDays;
    for (double half = std::ceil(2 * fromCycles); half <= 2 * toCycles; ++half)
        faintest = std::max(faintest, curve.magnitude(half / 2 - std::floor(half / 2)));
    return {brightest, faintest};
}

} // namespace

double watchWindowHours(const Star &star)
{
    return star.primaryEclipseHours ? *star.primaryEclipseHours * 5 / 8
                                    : kWatchWindowWithoutDurationHours;
}

double watchableHoursByMinute(const Site &site, const SkyAtInstant &atMinimum,
                              const Conditions &conditions, double windowHours)
{
    const std::optional<WindowTests> tests = windowTests(site, atMinimum, conditions, windowHours);
    if (!tests)
        return std::numeric_limits<double>::quiet_NaN();
    int watchable = 0;
    for (int i = 0; i < tests->minutes; ++i)
        watchable += tests->bothHold(i);
    return watchable / 60.0;
}

double watchableHours(const Site &site, const SkyAtInstant &atMinimum,
                      const Conditions &conditions, double windowHours)
{
    const std::optional<WindowTests> tests = windowTests(site, atMinimum, conditions, windowHours);
    if (!tests)
        return std::numeric_limits<double>::quiet_NaN();
    const int minutes = tests->minutes;
    std::vector<int> marks;
    if (!tests->star.markCrossings(minutes, &marks) || !tests->sun.markCrossings(minutes, &marks))
        return watchableHoursByMinute(site, atMinimum, conditions, windowHours);
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    marks.push_back(minutes); // the end of the last stretch
    // Between the marked minutes neither test changes: one minute tells the whole stretch.
    int watchable = 0;
    int next = 0;
    for (const int mark : marks) {
        if (mark > next && tests->bothHold(next))
            watchable += mark - next;
        if (mark < minutes && tests->bothHold(mark))
            ++watchable;
        next = mark + 1;
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
                  double periodDays, std::optional<double> uncertaintyMinutes, const Star &star,
                  double minimumPhase)
{
    Night night{fromJdUtc, toJdUtc, minimumJdUtc, uncertaintyMinutes, {}, {}};
    if (!isValidSite(site) || !std::isfinite(fromJdUtc) || !std::isfinite(toJdUtc)
        || !(fromJdUtc < toJdUtc) || toJdUtc - fromJdUtc > kLongestNightDays
        || !std::isfinite(minimumJdUtc) || !(periodDays > 0) || !std::isfinite(minimumPhase))
        return night;
    const LightCurve curve = LightCurve::ofStar(star);
    const double primary = minimumJdUtc - minimumPhase * periodDays;
    std::optional<std::pair<double, double>> wholeRange;
    const double step = kNightStepMinutes / kMinutesPerDay;
    const int steps = int(std::ceil((toJdUtc - fromJdUtc) / step));
    const double spread = uncertaintyMinutes.value_or(0) / kMinutesPerDay;
    night.samples.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double jd = i == steps ? toJdUtc : fromJdUtc + i * step;
        const SkyAtInstant sky = skyAt(site, jd, star);
        if (std::isnan(sky.sun.altitudeDeg))
            return {fromJdUtc, toJdUtc, minimumJdUtc, uncertaintyMinutes, {}, {}};
        const auto [brightest, faintest] =
            magnitudeRange(curve, jd, primary, periodDays, spread, wholeRange);
        night.samples.push_back({jd, sky.algol.altitudeDeg, sky.sun.altitudeDeg,
                                 sky.moon.altitudeDeg, sky.moonIlluminatedFraction,
                                 magnitudeAt(curve, jd, primary, periodDays), brightest, faintest});
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
