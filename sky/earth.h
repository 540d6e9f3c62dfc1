#pragma once

#include "timescales.h"

namespace sky {

// The Earth's heliocentric position and velocity (au, au/day; equator and equinox of J2000, which
// is the ICRS to 0.02") at a TT instant.
//
// This is ERFA's eraPlan94 for the Earth-Moon barycentre: about 1 microsecond against 40 for
// eraEpv00, the cost that decides how long a year of minima takes. The barycentre lies 4,700 km
// from the Earth's centre: within 7e-5 au of eraEpv00's Earth over 100-3500 AD (0.03 s of
// light-time, 14" on the Sun's direction).
void earthHeliocentric(const TwoPartDate &tt, double pv[2][3]);

} // namespace sky
