#include "eclipsemodel.h"

#include <algorithm>
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

double algolMagnitude(double phase)
{
    const double a = orbitRadiusSolar();
    const StarDisc starA{kRadiusASolar / a, kLimbDarkeningA};
    const StarDisc starB{kRadiusBSolar / a, kLimbDarkeningB};
    const double lightA = discLight(starA);
    const double lightB = discLight(starB) * kSurfaceBrightnessBToA;
    const double lightC = (lightA + lightB) * kThirdLightShare / (1.0 - kThirdLightShare);

    // Distance between the centres on the sky; B is the nearer star around phase 0.
    const double angle = 2 * std::numbers::pi * phase;
    const double cosInclination = std::cos(kInclinationDegrees * std::numbers::pi / 180);
    const double distance = std::hypot(std::sin(angle), cosInclination * std::cos(angle));
    const bool bInFront = std::cos(angle) > 0;

    double light = lightC;
    light += lightA * (bInFront ? 1.0 - hiddenLight(starA, starB.radius, distance) : 1.0);
    light += lightB * (bInFront ? 1.0 : 1.0 - hiddenLight(starB, starA.radius, distance));
    return kMaximumMagnitude - 2.5 * std::log10(light / (lightA + lightB + lightC));
}

} // namespace eclipses
