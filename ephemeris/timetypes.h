#pragma once

// The two time types that the whole program shares.
//
// SerialDate: calendar date and time of day as a count of days since 30/12/1899 00:00;
// the integer part is the day, the fraction the time of day (0.5 = noon).
// JulianDay: Julian Day, always in Universal Time.

namespace ephemeris {

using SerialDate = double;
using JulianDay = double;

// JulianDay of SerialDate 0: JulianDay = SerialDate + kJulianDayOffset.
inline constexpr double kJulianDayOffset = 2415018.5;

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kHoursPerDay = 24.0;

// Valid SerialDate range: 01/01/0100 00:00:00 to 31/12/9999 23:59:59.
inline constexpr double kFirstSerialDay = -657434.0;  // 01/01/0100
inline constexpr double kLastSerialDay = 2958465.0;   // 31/12/9999

} // namespace ephemeris
