#pragma once

// Algol's catalogue place (ICRS, epoch J2000) as SIMBAD gives it from the new reduction of the
// Hipparcos data (van Leeuwen 2007): the position, the proper motion and the parallax. The radial
// velocity is the usual catalogue value; like the parallax it moves Algol by far less than 0.001
// degree, and only the position matters for the light-time.

namespace sky::algol {

inline constexpr double kRightAscensionDeg = (3.0 + 8.0 / 60.0 + 10.13245 / 3600.0) * 15.0;
inline constexpr double kDeclinationDeg = 40.0 + 57.0 / 60.0 + 20.3280 / 3600.0;
// mu_alpha * cos(delta) and mu_delta.
inline constexpr double kProperMotionRaCosDecMasPerYear = 2.99;
inline constexpr double kProperMotionDecMasPerYear = -1.66;
inline constexpr double kParallaxMas = 36.27;
inline constexpr double kRadialVelocityKmPerS = 3.7;

} // namespace sky::algol
