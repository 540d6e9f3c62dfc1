#pragma once

namespace sky {

// A Julian Date in ERFA's two parts (their sum is the date).
struct TwoPartDate
{
    double whole = 0;
    double fraction = 0;
};

// The Terrestrial Time of a UTC instant, which also stands for TDB here (they differ by less
// than 2 ms). Leap seconds come from ERFA's table. The sky computations accept the instants of
// the program's calendar, 1 January 100 to 31 December 9999; NaN for any other, so that no
// ephemeris is used where its series no longer mean anything.
TwoPartDate terrestrialTimeFromUtc(double jdUtc);

} // namespace sky
