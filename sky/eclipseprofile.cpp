#include "eclipseprofile.h"

#include "starcatalogue.h"

#include <cmath>

namespace sky {

namespace {

constexpr double kKurtosis = 0.8;    // Gamma
constexpr double kContactLevel = 0.01; // psi at the contacts, before the rescaling

// x / w at the contacts: psi(x) = kContactLevel.
double contactArgument()
{
    static const double argument =
        std::acosh(1 - std::log(1 - std::pow(1 - kContactLevel, 1 / kKurtosis)));
    return argument;
}

} // namespace

double eclipseShape(double offset, double halfWidth)
{
    const double fraction = std::fabs(offset) / halfWidth;
    if (!(fraction < 1))
        return 0; // outside the eclipse, and NaN
    const double x = fraction * contactArgument();
    const double psi = 1 - std::pow(1 - std::exp(1 - std::cosh(x)), kKurtosis);
    return (psi - kContactLevel) / (1 - kContactLevel);
}

std::optional<EclipseProfile> EclipseProfile::fromShape(double maximumMagnitude,
                                                        double primaryMinimumMagnitude,
                                                        std::optional<double> secondaryMinimumMagnitude,
                                                        double durationPhase)
{
    const double secondary = secondaryMinimumMagnitude.value_or(maximumMagnitude);
    if (!std::isfinite(maximumMagnitude) || !(primaryMinimumMagnitude > maximumMagnitude)
        || !std::isfinite(primaryMinimumMagnitude) || !(secondary >= maximumMagnitude)
        || !std::isfinite(secondary) || !(durationPhase > 0 && durationPhase < 0.5))
        return std::nullopt;
    return EclipseProfile(maximumMagnitude, primaryMinimumMagnitude - maximumMagnitude,
                          secondary - maximumMagnitude, durationPhase / 2);
}

std::optional<EclipseProfile> EclipseProfile::ofStar(const Star &star)
{
    if (!star.primaryEclipseHours)
        return std::nullopt;
    return fromShape(star.maximumMagnitude, star.primaryMinimumMagnitude,
                     star.secondaryMinimumMagnitude,
                     *star.primaryEclipseHours / 24 / star.elements.period);
}

double EclipseProfile::magnitude(double phase) const
{
    if (!std::isfinite(phase))
        return phase;
    const double folded = phase - std::floor(phase); // 0 .. 1
    const double fromPrimary = std::fmin(folded, 1 - folded);
    return m_maximum + m_primaryDepth * eclipseShape(fromPrimary, m_halfWidth)
        + m_secondaryDepth * eclipseShape(folded - 0.5, m_halfWidth);
}

} // namespace sky
