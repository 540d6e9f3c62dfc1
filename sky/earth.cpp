#include "earth.h"

#include <erfa.h>

namespace sky {

EarthState earthAt(const TwoPartDate &tt)
{
    EarthState state;
    // eraEpv00 warns (+1) outside 1900-2100, where it is less precise but still far better than
    // anything here needs.
    eraEpv00(tt.whole, tt.fraction, state.heliocentric, state.barycentric);
    return state;
}

EarthState approximateEarthAt(const TwoPartDate &tt)
{
    EarthState state;
    // Body 3 is the Earth-Moon barycentre, 4,700 km from the Earth's centre. eraPlan94 warns (+1)
    // outside 1000-3000 like eraEpv00 outside its years.
    eraPlan94(tt.whole, tt.fraction, 3, state.heliocentric);
    eraCpv(state.heliocentric, state.barycentric);
    return state;
}

EarthState movedOn(const EarthState &earth, double days)
{
    EarthState state = earth;
    for (int i = 0; i < 3; ++i) {
        state.heliocentric[0][i] += earth.heliocentric[1][i] * days;
        state.barycentric[0][i] += earth.barycentric[1][i] * days;
    }
    return state;
}

} // namespace sky
