#include "lightcurve.h"

#include "eclipsemodel.h"
#include "elementsets.h"
#include "starcatalogue.h"

#include <cmath>
#include <numbers>

namespace sky {

LightCurve LightCurve::ofStar(const Star &star)
{
    if (&star == &algolStar()) {
        static const double algolHalfWidth = eclipses::primaryEclipseHalfWidth();
        return LightCurve(Kind::Algol, algolHalfWidth);
    }
    if (const std::optional<EclipseProfile> profile = EclipseProfile::ofStar(star)) {
        LightCurve curve(Kind::Profile, profile->primaryEclipseHalfWidth());
        curve.m_profile = profile;
        return curve;
    }
    LightCurve curve(Kind::Continuous, kContinuousHalfWidth);
    curve.m_maximum = star.maximumMagnitude;
    curve.m_primaryDepth = star.primaryMinimumMagnitude - star.maximumMagnitude;
    curve.m_secondaryDepth = star.secondaryMinimumMagnitude.value_or(star.maximumMagnitude)
        - star.maximumMagnitude;
    return curve;
}

double LightCurve::magnitude(double phase) const
{
    switch (m_kind) {
    case Kind::Algol:
        return eclipses::algolMagnitudeFast(phase);
    case Kind::Profile:
        return m_profile->magnitude(phase);
    case Kind::Continuous:
        break;
    }
    return continuousMagnitude(phase);
}

// beta Lyr's stars are drawn out by their tides: its light swings twice an orbit, faintest when
// they stand in line (the minima, the one with the brighter star eclipsed deeper) and brightest
// at the quadratures. The curve is that double wave, maximum + depth * cos^2(2 pi phase), with
// the primary's depth over the half orbit around phase 0 and the secondary's over the half around
// 0.5: it passes exactly through the catalogue's maximum (at phases 0.25 and 0.75) and two
// minima, has no flat part, and its slope is continuous where the halves meet (zero there). The
// catalogue holds no more of the curve than those three magnitudes; this is the simplest smooth
// curve that keeps them, good to the tenth of a magnitude that a chart or a sentence shows, not a
// model to time against (hasEclipses() is false).
double LightCurve::continuousMagnitude(double phase) const
{
    if (!std::isfinite(phase))
        return phase;
    const double folded = phase - std::floor(phase); // 0 .. 1
    const bool nearPrimary = folded < 0.25 || folded > 0.75;
    const double wave = std::cos(2 * std::numbers::pi * folded);
    return m_maximum + (nearPrimary ? m_primaryDepth : m_secondaryDepth) * wave * wave;
}

} // namespace sky
