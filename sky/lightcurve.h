#pragma once

// A star's light over one period: the one curve that the night's samples, the planner's texts and
// sheets and the timing of eclipses use. Algol's is its own model (ephemeris/eclipsemodel.h, its
// fast table); a star with an eclipse duration D has the profile of eclipseprofile.h; beta Lyr,
// whose light never stops changing and which has no D, has a smooth curve through its maximum and
// its two minima (below). Phase 0 is the primary minimum.

#include "eclipseprofile.h"

#include <optional>

namespace sky {

struct Star;

// How far from a minimum the light of a star without separate eclipses changes: all the way to
// its maximum, a quarter period later.
inline constexpr double kContinuousHalfWidth = 0.25;

class LightCurve
{
public:
    // The star's curve: Algol's model for Algol (the catalogue's row, by its address), its
    // profile for a star with D, the continuous curve otherwise.
    static LightCurve ofStar(const Star &star);

    // The magnitude at a phase (fraction of the period since a primary minimum); NaN for NaN.
    double magnitude(double phase) const;
    // How far from the primary minimum the light changes, as a fraction of the period: the phase
    // of first contact for an eclipse (Algol 0.073; D / 2P for a profile), kContinuousHalfWidth
    // for a continuous curve.
    double primaryEclipseHalfWidth() const { return m_halfWidth; }
    // Whether the light stays at its maximum between eclipses that start and end: a template whose
    // eclipse a fit can move. False for the continuous curve.
    bool hasEclipses() const { return m_kind != Kind::Continuous; }

private:
    enum class Kind { Algol, Profile, Continuous };

    LightCurve(Kind kind, double halfWidth) : m_kind(kind), m_halfWidth(halfWidth) {}
    double continuousMagnitude(double phase) const;

    Kind m_kind;
    double m_halfWidth;
    std::optional<EclipseProfile> m_profile; // of Kind::Profile
    // Kind::Continuous: the maximum and how much fainter each minimum is.
    double m_maximum = 0;
    double m_primaryDepth = 0;
    double m_secondaryDepth = 0;
};

} // namespace sky
