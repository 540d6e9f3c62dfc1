#include "observationtimes.h"

#include "heliocentric.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace sky {

namespace {

// Each correction changes by less than 2e-4 day per day, so each evaluation divides the error of
// the inverse by more than 5,000: from 10 minutes to 0.1 s, then to microseconds.
constexpr int kIterations = 2;

// What is added to a geocentric JD on UTC to reach the scale.
double correctionDays(double jdUtc, DateScale to, const Star &star)
{
    if (to == DateScale::JulianDayUtc)
        return 0;
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    // eraEpv00's Earth, not heliocentric.cpp's faster one: an observation's time is wanted to the
    // second.
    const EarthState earth = earthAt(tt);
    if (to == DateScale::HeliocentricUtc)
        return lightDaysTowards(earth.heliocentric[0], star);
    const double ttMinusUtc = (tt.whole - jdUtc) + tt.fraction;
    const double ut = std::fmod(jdUtc + 0.5, 1.0); // fraction of the UT day, UT1 taken as UTC
    const double tdbMinusTt = eraDtdb(tt.whole, tt.fraction, ut, 0, 0, 0) / ERFA_DAYSEC;
    return ttMinusUtc + tdbMinusTt + lightDaysTowards(earth.barycentric[0], star);
}

double geocentricUtcOf(double date, DateScale from, const Star &star)
{
    double jdUtc = date;
    if (from != DateScale::JulianDayUtc) {
        for (int i = 0; i < kIterations; ++i)
            jdUtc = date - correctionDays(jdUtc, from, star);
    }
    return jdUtc;
}

} // namespace

DateScale dateScaleOf(TimeReference reference)
{
    return reference == TimeReference::Heliocentric ? DateScale::HeliocentricUtc
                                                    : DateScale::JulianDayUtc;
}

double convertDate(double date, DateScale from, DateScale to, const Star &star)
{
    if (from == to)
        return date;
    const double jdUtc = geocentricUtcOf(date, from, star);
    return jdUtc + correctionDays(jdUtc, to, star);
}

} // namespace sky
