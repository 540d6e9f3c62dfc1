#pragma once

// One night at a site for a chart, and how much of the hours around a minimum can be watched:
// Algol high enough and the sky dark.

#include "observability.h"
#include "site.h"

#include <optional>
#include <vector>

namespace sky {

// A timing needs the light curve on both sides of the minimum: the hours from three before to
// three after it are those that count.
inline constexpr double kWatchWindowHours = 6;

// How many of the kWatchWindowHours centred on a minimum are watchable at the site, in hours, to
// the minute: Algol at least minAlgolAltitudeDeg high and the Sun at most maxSunAltitudeDeg.
// From the sky at the minimum alone: Algol's and the Sun's declinations are taken as fixed over
// these hours (the Sun's moves by 0.05 degree at most) and their hour angles as turning at the
// sidereal and the solar rate. NaN when the sky is not a real place (NaN altitudes).
double watchableHours(const Site &site, const SkyAtInstant &atMinimum,
                      const Conditions &conditions);

// The state of the sky from the Sun's geometric altitude: day down to -0.833 degree (sunset for
// the Sun's upper limb with the usual refraction), then civil, nautical and astronomical twilight
// down to -6, -12 and -18 degrees, then night.
enum class SkyState { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };
SkyState skyStateOf(double sunAltitudeDeg);

struct NightSample
{
    double jdUtc = 0;
    double algolAltitudeDeg = 0;
    double sunAltitudeDeg = 0;
    double moonAltitudeDeg = 0;
    double moonIlluminatedFraction = 0;
    // Algol's predicted visual magnitude (the eclipse model), and the brightest and faintest it
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
// elements of the given period. Empty samples and bands when the site or the span is not usable.
Night sampleNight(const Site &site, double fromJdUtc, double toJdUtc, double minimumJdUtc,
                  double periodDays, std::optional<double> uncertaintyMinutes);

} // namespace sky
