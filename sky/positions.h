#pragma once

#include "earth.h"
#include "elementsets.h"
#include "site.h"

namespace sky {

// Geometric (no refraction) topocentric altitude, and azimuth from north through east, degrees.
struct Horizontal
{
    double altitudeDeg = 0;
    double azimuthDeg = 0;
};

// Everything the observing columns need at one instant, computed with one set-up of the site's
// place and orientation (ERFA's astrometry parameters) for that instant.
struct SkyAtInstant
{
    Horizontal algol;                 // the star's: Algol's unless another is given
    Horizontal sun;
    Horizontal moon;                  // topocentric: the Moon's parallax is applied
    double moonIlluminatedFraction = 0; // 0 new .. 1 full
};

SkyAtInstant skyAt(const Site &site, double jdUtc, const Star &star = algolStar());

// When skyAt works out the Moon, which costs as much as the rest: always by default, or only where
// the star stands at least starAtLeastDeg high and the Sun at most sunAtMostDeg (the Moon's fields
// are NaN elsewhere), for a list of the minima that can be seen.
struct MoonWhen
{
    double starAtLeastDeg = -90;
    double sunAtMostDeg = 90;
};

// The same with the Earth's state at that instant already known.
SkyAtInstant skyAt(const Site &site, double jdUtc, const EarthState &earth,
                   const Star &star = algolStar(), const MoonWhen &moonWhen = {});

// One quantity at a time, for callers that need only that.
Horizontal starHorizontal(const Site &site, double jdUtc, const Star &star = algolStar());
double sunAltitudeDeg(const Site &site, double jdUtc);
Horizontal moonHorizontal(const Site &site, double jdUtc);
double moonIlluminatedFraction(double jdUtc);

// The highest altitude the star reaches at the site's latitude (at its culmination), degrees.
double highestAltitudeDeg(const Site &site, const Star &star = algolStar());

} // namespace sky
