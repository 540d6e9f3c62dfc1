#include "heliocentric.h"

#include "algol.h"
#include "earth.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace sky {

namespace {

// The correction changes by at most about 1e-4 day per day, so each evaluation divides the error
// by about 10,000: from 8 minutes to 0.05 s, then to a few microseconds.
constexpr int kIterations = 2;

} // namespace

double heliocentricCorrectionDays(double jdUtc)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    double earth[2][3];
    earthHeliocentric(tt, earth);
    double towardsAlgol[3];
    eraS2c(algol::kRightAscensionDeg * ERFA_DD2R, algol::kDeclinationDeg * ERFA_DD2R,
           towardsAlgol);
    // The light reaches the Earth first when the Earth lies towards the star.
    return eraPdp(earth[0], towardsAlgol) * ERFA_AULT / ERFA_DAYSEC;
}

double geocentricFromHeliocentric(double hjdUtc)
{
    double jdUtc = hjdUtc;
    for (int i = 0; i < kIterations; ++i)
        jdUtc = hjdUtc - heliocentricCorrectionDays(jdUtc);
    return jdUtc;
}

double heliocentricFromGeocentric(double jdUtc)
{
    return jdUtc + heliocentricCorrectionDays(jdUtc);
}

} // namespace sky
