#include "heliocentric.h"

#include "starcatalogue.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numeric>

namespace sky {

double lightDaysTowards(const double vector[3], const Star &star)
{
    double towardsStar[3];
    eraS2c(star.rightAscensionDeg * ERFA_DD2R, star.declinationDeg * ERFA_DD2R, towardsStar);
    return std::inner_product(vector, vector + 3, towardsStar, 0.0) * ERFA_AULT / ERFA_DAYSEC;
}

double heliocentricCorrectionDays(double jdUtc, const Star &star)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    // The light reaches the Earth first when the Earth lies towards the star.
    return lightDaysTowards(approximateEarthAt(tt).heliocentric[0], star);
}

double geocentricMinusHeliocentricDays(const EarthState &earthAtHeliocentric, const Star &star)
{
    // The correction at the geocentric instant, the Earth having moved on for d = JD - HJD days,
    // is c + c' d with c' its rate; d = -(c + c' d) then has the one solution -c / (1 + c').
    const double correction = lightDaysTowards(earthAtHeliocentric.heliocentric[0], star);
    const double rate = lightDaysTowards(earthAtHeliocentric.heliocentric[1], star);
    return -correction / (1 + rate);
}

double geocentricFromHeliocentric(double hjdUtc, const Star &star)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(hjdUtc);
    if (std::isnan(tt.whole))
        return tt.whole;
    return hjdUtc + geocentricMinusHeliocentricDays(approximateEarthAt(tt), star);
}

double heliocentricFromGeocentric(double jdUtc, const Star &star)
{
    return jdUtc + heliocentricCorrectionDays(jdUtc, star);
}

} // namespace sky
