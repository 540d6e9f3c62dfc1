#include "earth.h"

#include <erfa.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace sky {

namespace {

// Every computation of the sky starts with the Earth, so the vector registers are made clean
// here. Code that leaves the upper halves of the AVX registers in use (something in Qt's GUI
// start-up does) makes each SSE instruction after it wait on them: ERFA, built for SSE2, then
// runs about ten times slower (a year's list in the planner: 19 ms instead of 2). vzeroupper
// costs a cycle, and only processors with AVX have it.
#if defined(__x86_64__)
__attribute__((target("avx"))) void zeroUpperHalves()
{
    _mm256_zeroupper();
}

void cleanVectorRegisters()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        zeroUpperHalves();
}
#else
void cleanVectorRegisters() {}
#endif

} // namespace

EarthState earthAt(const TwoPartDate &tt)
{
    cleanVectorRegisters();
    EarthState state;
    // eraEpv00 warns (+1) outside 1900-2100, where it is less precise but still far better than
    // anything here needs.
    eraEpv00(tt.whole, tt.fraction, state.heliocentric, state.barycentric);
    return state;
}

EarthState approximateEarthAt(const TwoPartDate &tt)
{
    cleanVectorRegisters();
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
