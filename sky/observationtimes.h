#pragma once

#include "elementsets.h"

namespace sky {

// The time scales that observations and timings of minima come in: Julian Days of the instant the
// light reached the Earth's centre, on UTC; heliocentric Julian Days (the instant it would have
// reached the Sun's centre), on UTC; barycentric Julian Days (the solar system's barycentre), on
// TDB.
enum class DateScale { JulianDayUtc, HeliocentricUtc, BarycentricTdb };

// The scale that an element set counts its minima in.
DateScale dateScaleOf(TimeReference reference);

// The same instant of the star's light in another scale, from eraEpv00's Earth, ERFA's leap
// seconds and its TDB - TT. Within a millisecond; the inverse conversions iterate on the forward
// ones. The date itself when both scales are the same; otherwise NaN when the instant lies
// outside the years 100 to 9999 (terrestrialTimeFromUtc).
double convertDate(double date, DateScale from, DateScale to, const Star &star = algolStar());

} // namespace sky
