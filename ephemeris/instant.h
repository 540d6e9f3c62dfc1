#pragma once

#include "timetypes.h"

#include <optional>

namespace ephemeris {

// The instant in UT from a day number and typed hours, minutes and seconds, evaluated exactly as
//   ((((D + 2415018.5) + h / 24) + m / 1440) + s / 86400) - offset / 24
// left to right in double precision; without an offset (UT fields) the last subtraction is left out.
// Empty when the result is not finite.
std::optional<JulianDay> composeInstant(long long dayNumber, double hours, double minutes,
                                        double seconds, std::optional<double> offsetHours);

// The instant from a whole day and a single-precision time of day:
//   ((D + 2415018.5) + t) - offset / 24, the offset left out for UT.
std::optional<JulianDay> composeInstantAt(long long dayNumber, float timeOfDay,
                                          std::optional<double> offsetHours);

} // namespace ephemeris
