#pragma once

#include "timescale.h"
#include "timetypes.h"

#include <optional>

namespace ephemeris {

// The instant in UT from a day number and hours, minutes and seconds typed in the given time,
// evaluated exactly as
//   ((((D + 2415018.5) + h / 24) + m / 1440) + s / 86400) - offset / 24
// left to right in double precision; in UT the last subtraction is left out.
// Empty when the result is not finite or the offset cannot be read.
std::optional<JulianDay> composeInstant(long long dayNumber, double hours, double minutes,
                                        double seconds, const TimeScale &scale);

// The instant from a whole day and a single-precision time of day:
//   ((D + 2415018.5) + t) - offset / 24, the offset left out in UT.
std::optional<JulianDay> composeInstantAt(long long dayNumber, float timeOfDay,
                                          const TimeScale &scale);

} // namespace ephemeris
