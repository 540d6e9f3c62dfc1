#pragma once

// A star's brightness over one period from a phenomenological profile of its eclipses, for the
// stars that have no model of their own (Algol has one: ephemeris/eclipsemodel.h). Phase 0 is the
// primary minimum; the secondary, where the catalogue gives its depth, lies at phase 0.5 with the
// same duration (a circular orbit).

#include <optional>

namespace sky {

struct Star;

// The shape of one eclipse after Mikulasek (2015, A&A 584, A8, "Phenomenological modelling of
// eclipsing system light curves"): psi(x) = 1 - (1 - exp(1 - cosh(x / w)))^Gamma, x the distance
// from the minimum. Gamma = 0.8 and w, set by psi = 0.01 at the contacts, make it follow Algol's
// own eclipse model within 2 % of the depth; psi is then lowered by that 0.01 and rescaled so that
// the eclipse starts and ends at the contacts (1 at the minimum, 0 from |offset| = halfWidth on).
// Half the depth falls at 0.4200 halfWidth.
double eclipseShape(double offset, double halfWidth);

class EclipseProfile
{
public:
    // Magnitudes at maximum and at the minima; durationPhase: the primary eclipse from first to
    // last contact as a fraction of the period. Empty unless the minima are fainter than the
    // maximum and 0 < durationPhase < 0.5.
    static std::optional<EclipseProfile> fromShape(double maximumMagnitude,
                                                   double primaryMinimumMagnitude,
                                                   std::optional<double> secondaryMinimumMagnitude,
                                                   double durationPhase);
    // The star's profile from the catalogue (D over the period); empty for a star without D.
    static std::optional<EclipseProfile> ofStar(const Star &star);

    // The magnitude at the given phase (fraction of the period since a primary minimum).
    double magnitude(double phase) const;
    // How far from the primary minimum the eclipse reaches, as a fraction of the period (D / 2P).
    double primaryEclipseHalfWidth() const { return m_halfWidth; }

private:
    EclipseProfile(double maximum, double primaryDepth, double secondaryDepth, double halfWidth)
        : m_maximum(maximum), m_primaryDepth(primaryDepth), m_secondaryDepth(secondaryDepth),
          m_halfWidth(halfWidth)
    {
    }

    double m_maximum;
    double m_primaryDepth;
    double m_secondaryDepth; // 0 where no secondary minimum is known
    double m_halfWidth;
};

} // namespace sky
