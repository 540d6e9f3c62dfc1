#include "heliocentric.h"

#include "algolplace.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace sky {

namespace {

// The correction changes by at most about 1e-4 day per day, so each evaluation divides the error
// by about 10,000: from 8 minutes to 0.05 s, then to a few microseconds.
constexpr int kIterations = 2;

double correctionDays(double jdUtc, EarthTrack *track)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    EarthState earth = earthAt(tt, track);
    double towardsAlgol[3];
    eraS2c(algol::kRightAscensionDeg * ERFA_DD2R, algol::kDeclinationDeg * ERFA_DD2R,
           towardsAlgol);
    // The light reaches the Earth first when the Earth lies towards the star.
    return eraPdp(earth.heliocentric[0], towardsAlgol) * ERFA_AULT / ERFA_DAYSEC;
}

double geocentricOf(double hjdUtc, EarthTrack *track)
{
    double jdUtc = hjdUtc;
    for (int i = 0; i < kIterations; ++i)
        jdUtc = hjdUtc - correctionDays(jdUtc, track);
    return jdUtc;
}

} // namespace

double heliocentricCorrectionDays(double jdUtc)
{
    return correctionDays(jdUtc, nullptr);
}

double geocentricFromHeliocentric(double hjdUtc)
{
    return geocentricOf(hjdUtc, nullptr);
}

double geocentricFromHeliocentric(double hjdUtc, EarthTrack &track)
{
    return geocentricOf(hjdUtc, &track);
}

double heliocentricFromGeocentric(double jdUtc)
{
    return jdUtc + heliocentricCorrectionDays(jdUtc);
}

} // namespace sky
