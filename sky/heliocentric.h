#pragma once

#include "earth.h"
#include "elementsets.h"

namespace sky {

// The light-time of a vector along the star's direction, in days: for a position of the Earth
// from the Sun or the barycentre (au), how much sooner the star's light reaches the Earth than that
// centre; for a velocity (au/day), that light-time's rate (days per day).
double lightDaysTowards(const double vector[3], const Star &star = algolStar());

// The light-time correction for the star, HJD - JD in days, at the geocentric instant jdUtc, from
// the Earth's heliocentric position (approximateEarthAt): at most about 8.3 minutes either way
// (for Algol between -7.8 and +7.6).
double heliocentricCorrectionDays(double jdUtc, const Star &star = algolStar());

// The geocentric UTC instant (JD) at which a heliocentric instant (HJD on UTC) of the star is
// seen, and back.
double geocentricFromHeliocentric(double hjdUtc, const Star &star = algolStar());
double heliocentricFromGeocentric(double jdUtc, const Star &star = algolStar());

// JD - HJD for a heliocentric instant, from the Earth's state at that instant (carried along its
// velocity to the geocentric one).
double geocentricMinusHeliocentricDays(const EarthState &earthAtHeliocentric,
                                       const Star &star = algolStar());

} // namespace sky
