#pragma once

#include "timescales.h"

namespace sky {

// The Earth's position and velocity (au, au/day; BCRS axes, the ICRS to 0.02"), heliocentric and
// barycentric, at a TT instant.
struct EarthState
{
    double heliocentric[2][3];
    double barycentric[2][3];
};

// ERFA's eraEpv00 itself (a few kilometres, about 40 microseconds a call), for times that must be
// right to the second.
EarthState earthAt(const TwoPartDate &tt);

// The Earth for the observing columns and Algol's light-time, at a fiftieth of that cost: the
// Earth-Moon barycentre of eraPlan94, within 8e-5 au of eraEpv00 over 1900-2100 (0.035 s of
// light-time, 0.004 degree on the Sun). Its barycentric state is taken as the heliocentric one:
// the Sun's own motion about the barycentre is worth 0.4 mas of Algol's parallax and 0.01" of
// aberration.
EarthState approximateEarthAt(const TwoPartDate &tt);

// The state carried along its velocity for a few minutes (within 1e-8 au over Algol's 8 minutes
// of light-time): one Earth serves the light-time and the positions of a minimum.
EarthState movedOn(const EarthState &earth, double days);

} // namespace sky
