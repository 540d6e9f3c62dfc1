#pragma once

#include "earth.h"
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
    Horizontal algol;
    Horizontal sun;
    Horizontal moon;                  // topocentric: the Moon's parallax is applied
    double moonIlluminatedFraction = 0; // 0 new .. 1 full
};

SkyAtInstant skyAt(const Site &site, double jdUtc);
// The same with the Earth's state at that instant already known.
SkyAtInstant skyAt(const Site &site, double jdUtc, const EarthState &earth);

// One quantity at a time, for callers that need only that.
Horizontal algolHorizontal(const Site &site, double jdUtc);
double sunAltitudeDeg(const Site &site, double jdUtc);
Horizontal moonHorizontal(const Site &site, double jdUtc);
double moonIlluminatedFraction(double jdUtc);

// The highest altitude Algol reaches at the site's latitude (at its culmination), degrees.
double algolHighestAltitudeDeg(const Site &site);

} // namespace sky
