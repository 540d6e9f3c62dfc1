#pragma once

#include "earth.h"

namespace sky {

// The light-time of a vector along Algol's direction, in days: for a position of the Earth from
// the Sun or the barycentre (au), how much sooner Algol's light reaches the Earth than that
// centre; for a velocity (au/day), that light-time's rate (days per day).
double lightDaysTowardsAlgol(const double vector[3]);

// The light-time correction for Algol, HJD - JD in days, at the geocentric instant jdUtc, from
// the Earth's heliocentric position (approximateEarthAt): between about -7.8 and +7.6 minutes.
double heliocentricCorrectionDays(double jdUtc);

// The geocentric UTC instant (JD) at which a heliocentric instant (HJD on UTC) is seen, and back.
double geocentricFromHeliocentric(double hjdUtc);
double heliocentricFromGeocentric(double jdUtc);

// JD - HJD for a heliocentric instant, from the Earth's state at that instant (carried along its
// velocity to the geocentric one).
double geocentricMinusHeliocentricDays(const EarthState &earthAtHeliocentric);

} // namespace sky
