#include "earth.h"

#include <erfa.h>

#include <cmath>

namespace sky {

EarthState earthAt(const TwoPartDate &tt)
{
    EarthState state;
    // eraEpv00 warns (+1) outside 1900-2100, where it is less precise but still far better than
    // anything here needs.
    eraEpv00(tt.whole, tt.fraction, state.heliocentric, state.barycentric);
    return state;
}

namespace {

// Cubic Hermite interpolation of one position and velocity pair at u in [0, 1] of a step of h days.
void interpolate(const double from[2][3], const double to[2][3], double u, double h,
                 double out[2][3])
{
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double p0 = 2 * u3 - 3 * u2 + 1;
    const double v0 = u3 - 2 * u2 + u;
    const double p1 = -2 * u3 + 3 * u2;
    const double v1 = u3 - u2;
    const double dp0 = 6 * u2 - 6 * u;
    const double dv0 = 3 * u2 - 4 * u + 1;
    const double dp1 = -6 * u2 + 6 * u;
    const double dv1 = 3 * u2 - 2 * u;
    for (int i = 0; i < 3; ++i) {
        out[0][i] = p0 * from[0][i] + v0 * h * from[1][i] + p1 * to[0][i] + v1 * h * to[1][i];
        out[1][i] = (dp0 * from[0][i] + dv0 * h * from[1][i] + dp1 * to[0][i] + dv1 * h * to[1][i]) / h;
    }
}

} // namespace

EarthState EarthTrack::at(const TwoPartDate &tt)
{
    const double t = tt.whole + tt.fraction;
    const double firstNode = std::floor(t / kEarthNodeDays) * kEarthNodeDays;
    if (!std::isfinite(firstNode))
        return earthAt(tt);
    if (!m_valid || firstNode != m_firstNode) {
        // Moving on by one step keeps the later node; anything else samples both.
        if (m_valid && firstNode == m_firstNode + kEarthNodeDays)
            m_nodes[0] = m_nodes[1];
        else
            m_nodes[0] = earthAt({firstNode, 0});
        m_nodes[1] = earthAt({firstNode + kEarthNodeDays, 0});
        m_firstNode = firstNode;
        m_valid = true;
    }
    const double u = ((tt.whole - firstNode) + tt.fraction) / kEarthNodeDays;
    EarthState state;
    interpolate(m_nodes[0].heliocentric, m_nodes[1].heliocentric, u, kEarthNodeDays, state.heliocentric);
    interpolate(m_nodes[0].barycentric, m_nodes[1].barycentric, u, kEarthNodeDays, state.barycentric);
    return state;
}

EarthState earthAt(const TwoPartDate &tt, EarthTrack *track)
{
    return track ? track->at(tt) : earthAt(tt);
}

} // namespace sky
