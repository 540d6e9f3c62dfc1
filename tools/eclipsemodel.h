#pragma once

// Algol's brightness over one period, from a model of its eclipses: the bright star A and its
// larger, fainter companion B as two spherical, limb-darkened discs on a circular orbit, plus the
// constant light of the third star C. Phase 0 is the primary minimum, when B passes in front of A.
namespace eclipses {

// A star seen as a disc; radius in units of the orbit's radius (the distance between the centres),
// linear limb-darkening law I(mu) = 1 - limbDarkening * (1 - mu).
struct StarDisc
{
    double radius;
    double limbDarkening;
};

// The part of the back disc's light hidden by a front disc of frontRadius whose centre lies at
// centreDistance from the back disc's centre (same units as the radii); 0 to 1.
double hiddenLight(const StarDisc &back, double frontRadius, double centreDistance);

// Algol's visual magnitude at the given phase (fraction of the period since a primary minimum).
double algolMagnitude(double phase);

} // namespace eclipses
