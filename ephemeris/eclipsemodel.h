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
// About 20 microseconds a call: the reference for the curve below.
double algolMagnitude(double phase);

// The same curve from a table of the model (cubic interpolation on a step of a few minutes of the
// eclipses, the constant level between them), within 1e-4 magnitude of algolMagnitude and a
// thousand times faster; the table is built on the first call (about 10 ms), safely from any
// thread. For the planner's curves and the fitting of observed eclipses.
double algolMagnitudeFast(double phase);

// How far from the primary minimum the primary eclipse reaches, as a fraction of the period: the
// phase of first contact (0.073, about 5 hours).
double primaryEclipseHalfWidth();

} // namespace eclipses
