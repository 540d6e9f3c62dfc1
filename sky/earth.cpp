#include "earth.h"

#include <erfa.h>

namespace sky {

namespace {

constexpr int kEarthMoonBarycentre = 3;

} // namespace

void earthHeliocentric(const TwoPartDate &tt, double pv[2][3])
{
    // eraPlan94 warns (+1) outside 1000-3000 AD, where it is less precise but still usable, and
    // would answer 2 only where Kepler's equation fails, which it does not in years 100-9999.
    eraPlan94(tt.whole, tt.fraction, kEarthMoonBarycentre, pv);
}

} // namespace sky
