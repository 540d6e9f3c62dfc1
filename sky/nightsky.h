#pragma once

// One night at a site for a chart, and how much of the hours around a minimum can be watched:
// the star high enough and the sky dark.

#include "observability.h"
#include "site.h"

#include <optional>
#include <vector>

namespace sky {

// A timing needs the light curve on both sides of the minimum, where it changes fastest: the
// central five eighths of the eclipse, from 5/16 D before the minimum to 5/16 D after it, where
// the star is fainter than a fifth of the eclipse's depth below its maximum (0.21 in the shape of
// eclipseprofile.h). For Algol's 9.6-hour eclipse, 6 hours.
inline constexpr double kWatchWindowHours = 6;
// A star without D (beta Lyr, whose light never stops changing) has no eclipse to centre on: its
// minimum is so broad that a night around it is what counts.
inline constexpr double kWatchWindowWithoutDurationHours = 12;
// The hours around the star's minima that count: 5/8 D, or the above without D.
double watchWindowHours(const Star &star);

// How many of the windowHours centred on a minimum are watchable at the site, in hours, to the
// minute: the star at least minAlgolAltitudeDeg high and the Sun at most maxSunAltitudeDeg, at
// the middle of each minute. From the sky at the minimum alone: the star's and the Sun's
// declinations are taken as fixed over these hours (the Sun's moves by 0.05 degree at most) and
// their hour angles as turning at the sidereal and the solar rate. NaN when the sky is not a real
// place (NaN altitudes) or the window is not from 0 to 24 hours. The minutes are tested one by one
// only near the instants where the star or the Sun crosses its altitude, found from the hour angle
// of that altitude; the result is watchableHoursByMinute's to the bit.
double watchableHours(const Site &site, const SkyAtInstant &atMinimum,
                      const Conditions &conditions, double windowHours = kWatchWindowHours);
// The same, every minute of the window tested: the slow, obvious reference.
double watchableHoursByMinute(const Site &site, const SkyAtInstant &atMinimum,
                              const Conditions &conditions, double windowHours = kWatchWindowHours);

// The state of the sky from the Sun's geometric altitude: day down to -0.833 degree (sunset for
// the Sun's upper limb with the usual refraction), then civil, nautical and astronomical twilight
// down to -6, -12 and -18 degrees, then night.
enum class SkyState { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };
SkyState skyStateOf(double sunAltitudeDeg);

struct NightSample
{
    double jdUtc = 0;
    double algolAltitudeDeg = 0; // the star's
    double sunAltitudeDeg = 0;
    double moonAltitudeDeg = 0;
    double moonIlluminatedFraction = 0;
    // The star's predicted visual magnitude (its LightCurve), and the brightest and faintest it
    // may be when the minimum falls anywhere within its uncertainty (the whole curve's range when
    // that reaches half a period).
    double magnitude = 0;
    double brightestMagnitude = 0;
    double faintestMagnitude = 0;
};

// A stretch of the night in one state, its ends where the Sun's altitude crosses a boundary
// (linear between samples).
struct SkyBand
{
    double fromJdUtc = 0;
    double toJdUtc = 0;
    SkyState state = SkyState::Day;
};

struct Night
{
    double fromJdUtc = 0;
    double toJdUtc = 0;
    double minimumJdUtc = 0;
    std::optional<double> uncertaintyMinutes;
    std::vector<NightSample> samples; // in time order, every kNightStepMinutes, both ends included
    std::vector<SkyBand> bands;       // covering the night from its start to its end
};

inline constexpr double kNightStepMinutes = 4;

// The sky from fromJdUtc to toJdUtc (at most two days) around the minimum at minimumJdUtc of
// elements of the given period, for the star (its altitudes and its LightCurve); minimumPhase is
// where that minimum lies in the star's curve: 0 for a primary, the secondary's phase
// (listedSecondaryPhase) for a secondary. Empty samples and bands when the site or the span is
// not usable.
Night sampleNight(const Site &site, double fromJdUtc, double toJdUtc, double minimumJdUtc,
                  double periodDays, std::optional<double> uncertaintyMinutes,
                  const Star &star = algolStar(), double minimumPhase = 0);

} // namespace sky
