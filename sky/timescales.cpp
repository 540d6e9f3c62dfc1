#include "timescales.h"

#include "timetypes.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <limits>

namespace sky {

namespace {

constexpr double kFirstJd = ephemeris::kFirstSerialDay + ephemeris::kJulianDayOffset;
constexpr double kEndJd = ephemeris::kLastSerialDay + 1 + ephemeris::kJulianDayOffset;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TwoPartDate terrestrialTimeFromUtc(double jdUtc)
{
    if (!(jdUtc >= kFirstJd && jdUtc < kEndJd))
        return {kNaN, 0};
    // eraUtctai answers +1 ("dubious year") for years after ERFA's release, when its table may
    // lack a later leap second: a second is nothing here, so that is no error. It answers +1 too
    // before 1960, where it takes TAI = UTC: TT - UT (Delta T) is not modelled, which is a minute
    // in 1900 but hours in antiquity, where the Moon's place is off by as much as it moves in
    // that time. Only a date it cannot convert (-1) is refused.
    TwoPartDate tai;
    if (eraUtctai(jdUtc, 0, &tai.whole, &tai.fraction) < 0)
        return {kNaN, 0};
    TwoPartDate tt;
    eraTaitt(tai.whole, tai.fraction, &tt.whole, &tt.fraction);
    return tt;
}

} // namespace sky
