#pragma once

#include "earth.h"

namespace sky {

// The light-time correction for Algol, HJD - JD in days, at the geocentric instant jdUtc, from
// the Earth's heliocentric position (eraEpv00): between about -7.8 and +7.6 minutes.
double heliocentricCorrectionDays(double jdUtc);

// The geocentric UTC instant (JD) at which a heliocentric instant (HJD on UTC) is seen, and back.
double geocentricFromHeliocentric(double hjdUtc);
double heliocentricFromGeocentric(double jdUtc);
// The same for one of a run of instants in time order, sharing the Earth's track.
double geocentricFromHeliocentric(double hjdUtc, EarthTrack &track);

} // namespace sky
