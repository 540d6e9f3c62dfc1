#include "eclipsemodel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace eclipses {

namespace {

// Published values (Baron et al. 2012, "Imaging the Algol triple system in the H band with the
// CHARA interferometer", ApJ 752, 20): radii of A and B in solar radii, masses in solar masses,
// and the inclination of the A-B orbit, 98.70 degrees, which is the same view of the orbit as
// 180 - 98.70 = 81.30 degrees.
constexpr double kRadiusASolar = 2.73;
constexpr double kRadiusBSolar = 3.48;
constexpr double kMassASolar = 3.17;
constexpr double kMassBSolar = 0.70;
constexpr double kInclinationDegrees = 81.30;

constexpr double kPeriodDays = 2.867315; // the period that the program's ephemeris uses
constexpr double kDaysPerYear = 365.25;
constexpr double kSolarRadiiPerAu = 215.032;

// Typical linear limb-darkening coefficients in the V band for a late B dwarf (A) and an early K
// subgiant (B).
constexpr double kLimbDarkeningA = 0.35;
constexpr double kLimbDarkeningB = 0.75;

// Tuned, not published: the light shares that make this simple model (no reflection or tidal
// shapes) reach the observed magnitudes, 3.35 at the primary minimum and a shallow secondary
// minimum of about 0.05 magnitude, from a maximum of 2.15. B's surface brightness relative to A's
// (at the discs' centres) is an effective value that also stands for B's side heated by A;
// C gives the rest of the light.
constexpr double kMaximumMagnitude = 2.15;
constexpr double kSurfaceBrightnessBToA = 0.0745;
constexpr double kThirdLightShare = 0.034;

// Radius of the relative orbit in solar radii, from Kepler's third law (a^3 = M P^2 in AU, solar
// masses and years).
double orbitRadiusSolar()
{
    const double periodYears = kPeriodDays / kDaysPerYear;
    return std::cbrt((kMassASolar + kMassBSolar) * periodYears * periodYears) * kSolarRadiiPerAu;
}

// Light of a whole disc of unit central surface brightness, in units of the orbit's radius squared.
double discLight(const StarDisc &disc)
{
    return std::numbers::pi * disc.radius * disc.radius * (1.0 - disc.limbDarkening / 3.0);
}

} // namespace

double hiddenLight(const StarDisc &back, double frontRadius, double centreDistance)
{
    // Sum over thin rings of the back disc the part of each ring that lies behind the front disc.
    constexpr int kRings = 2000;
    const double d = centreDistance;
    double total = 0;
    double hidden = 0;
    for (int k = 0; k < kRings; ++k) {
        const double rho = (k + 0.5) / kRings * back.radius;
        const double mu = std::sqrt(std::max(0.0, 1.0 - (rho / back.radius) * (rho / back.radius)));
        const double ringLight = (1.0 - back.limbDarkening * (1.0 - mu)) * rho;
        double covered = 0; // fraction of the ring behind the front disc
        if (rho + d <= frontRadius)
            covered = 1;
        else if (rho >= frontRadius + d || rho <= d - frontRadius)
            covered = 0;
        else
            covered = std::acos(std::clamp((rho * rho + d * d - frontRadius * frontRadius)
                                               / (2 * rho * d),
                                           -1.0, 1.0))
                      / std::numbers::pi;
        total += ringLight;
        hidden += ringLight * covered;
    }
    return total > 0 ? hidden / total : 0;
}

namespace {

struct Discs
{
    StarDisc a;
    StarDisc b;
};

Discs algolDiscs()
{
    const double a = orbitRadiusSolar();
    return {{kRadiusASolar / a, kLimbDarkeningA}, {kRadiusBSolar / a, kLimbDarkeningB}};
}

// Distance between the centres on the sky, in units of the orbit's radius.
double centreDistance(double phase)
{
    const double angle = 2 * std::numbers::pi * phase;
    const double cosInclination = std::cos(kInclinationDegrees * std::numbers::pi / 180);
    return std::hypot(std::sin(angle), cosInclination * std::cos(angle));
}

} // namespace

double algolMagnitude(double phase)
{
    const auto [starA, starB] = algolDiscs();
    const double lightA = discLight(starA);
    const double lightB = discLight(starB) * kSurfaceBrightnessBToA;
    const double lightC = (lightA + lightB) * kThirdLightShare / (1.0 - kThirdLightShare);

    // B is the nearer star around phase 0.
    const double distance = centreDistance(phase);
    const bool bInFront = std::cos(2 * std::numbers::pi * phase) > 0;

    double light = lightC;
    light += lightA * (bInFront ? 1.0 - hiddenLight(starA, starB.radius, distance) : 1.0);
    light += lightB * (bInFront ? 1.0 : 1.0 - hiddenLight(starB, starA.radius, distance));
    return kMaximumMagnitude - 2.5 * std::log10(light / (lightA + lightB + lightC));
}

double primaryEclipseHalfWidth()
{
    // The centres' distance grows from phase 0 to 0.25: bisect for the discs' sum of radii.
    const auto [starA, starB] = algolDiscs();
    double inside = 0;
    double outside = 0.25;
    for (int i = 0; i < 60; ++i) {
        const double middle = (inside + outside) / 2;
        (centreDistance(middle) < starA.radius + starB.radius ? inside : outside) = middle;
    }
    return outside;
}

namespace {

// The curve is even about both minima (a circular orbit), so each eclipse is tabulated from its
// middle out to first contact, on kNodes + 1 nodes, with one node beyond each end for the cubic.
constexpr int kNodes = 256;

class EclipseTable
{
public:
    EclipseTable(double centre, double halfWidth) : m_step(halfWidth / kNodes)
    {
        for (int i = 0; i < kNodes + 3; ++i)
            m_magnitudes[i] = algolMagnitude(centre + (i - 1) * m_step);
    }

    // offset: the distance from the eclipse's middle in phase, 0 to halfWidth.
    double at(double offset) const
    {
        const double x = offset / m_step;
        const int i = std::clamp(static_cast<int>(x), 0, kNodes - 1);
        const double t = x - i;
        // Catmull-Rom through the nodes i-1 .. i+2 (stored one place further on).
        const double p0 = m_magnitudes[i];
        const double p1 = m_magnitudes[i + 1];
        const double p2 = m_magnitudes[i + 2];
        const double p3 = m_magnitudes[i + 3];
        return p1 + 0.5 * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
    }

private:
    double m_step;
    std::array<double, kNodes + 3> m_magnitudes{};
};

struct Curve
{
    double halfWidth = primaryEclipseHalfWidth();
    double maximum = algolMagnitude(0.25);
    EclipseTable primary{0.0, halfWidth};
    EclipseTable secondary{0.5, halfWidth};
};

} // namespace

double algolMagnitudeFast(double phase)
{
    static const Curve curve;
    if (!std::isfinite(phase))
        return phase;
    double folded = phase - std::floor(phase); // 0 .. 1
    if (folded > 0.5)
        folded = 1 - folded; // 0 .. 0.5, the curve being even
    if (folded <= curve.halfWidth)
        return curve.primary.at(folded);
    if (folded >= 0.5 - curve.halfWidth)
        return curve.secondary.at(0.5 - folded);
    return curve.maximum;
}

} // namespace eclipses
