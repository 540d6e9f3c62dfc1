#include "heliocentric.h"

#include "algolplace.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numeric>

namespace sky {

double lightDaysTowardsAlgol(const double vector[3])
{
    double towardsAlgol[3];
    eraS2c(algol::kRightAscensionDeg * ERFA_DD2R, algol::kDeclinationDeg * ERFA_DD2R,
           towardsAlgol);
    return std::inner_product(vector, vector + 3, towardsAlgol, 0.0) * ERFA_AULT / ERFA_DAYSEC;
}

double heliocentricCorrectionDays(double jdUtc)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    // The light reaches the Earth first when the Earth lies towards the star.
    return lightDaysTowardsAlgol(approximateEarthAt(tt).heliocentric[0]);
}

double geocentricMinusHeliocentricDays(const EarthState &earthAtHeliocentric)
{
    // The correction at the geocentric instant, the Earth having moved on for d = JD - HJD days,
    // is c + c' d with c' its rate; d = -(c + c' d) then has the one solution -c / (1 + c').
    const double correction = lightDaysTowardsAlgol(earthAtHeliocentric.heliocentric[0]);
    const double rate = lightDaysTowardsAlgol(earthAtHeliocentric.heliocentric[1]);
    return -correction / (1 + rate);
}

double geocentricFromHeliocentric(double hjdUtc)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(hjdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    return hjdUtc + geocentricMinusHeliocentricDays(approximateEarthAt(tt));
}

double heliocentricFromGeocentric(double jdUtc)
{
    return jdUtc + heliocentricCorrectionDays(jdUtc);
}

} // namespace sky
