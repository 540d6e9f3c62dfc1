#pragma once

#include "timetypes.h"

namespace ephemeris {

// A linear ephemeris of primary minima: minimum k falls at epoch + k * period.
// Both must be positive and finite.
struct Elements
{
    JulianDay epoch = 2441598.608; // 08/10/1972 02:35:31 UT
    double period = 2.867315;      // days
};

// An instant whose leading number is below this is not a Julian Day worth computing.
inline constexpr double kMinimumValidJulianDay = 1000000.0;

} // namespace ephemeris
