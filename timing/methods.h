#pragma once

// The two ways of timing one eclipse from its points (times in days, in increasing order, and
// their values): Kwee and van Woerden's folding, and a fit of the star's eclipse template.

#include "elementsets.h"
#include "lightcurve.h"

#include <optional>
#include <span>
#include <variant>

namespace timing {

// Why an eclipse could not be timed. NoTemplate: the template method was asked for a star whose
// eclipses have no shape to fit (beta Lyr).
enum class Untimed { OneSideMissing, TooFewPoints, GapAcrossMinimum, NoDip, NoTemplate };

// The light curve that a star's eclipses are timed with: the star's sky::LightCurve, when it has
// eclipses to fit (Algol's model, another star's profile).
class EclipseCurve
{
public:
    // Algol's model.
    EclipseCurve() : m_curve(sky::LightCurve::ofStar(sky::algolStar())) {}
    // The star's; none for a star whose light changes all the time (beta Lyr, without D).
    static std::optional<EclipseCurve> ofStar(const sky::Star &star);

    // The magnitude at the given phase (fraction of the period since a primary minimum).
    double magnitude(double phase) const { return m_curve.magnitude(phase); }
    // How far from the primary minimum the primary eclipse reaches, as a fraction of the period.
    double primaryEclipseHalfWidth() const { return m_curve.primaryEclipseHalfWidth(); }

private:
    explicit EclipseCurve(const sky::LightCurve &curve) : m_curve(curve) {}

    sky::LightCurve m_curve;
};

// The half-width of the eclipses of a star without a curve, as a fraction of the period: its light
// changes all the time, from the minimum to the maximum a quarter period later (beta Lyr).
inline constexpr double kHalfWidthWithoutCurve = sky::kContinuousHalfWidth;

struct KweeVanWoerdenSettings
{
    int folds = 5; // 3, 5 or 7 trial times
    std::optional<double> noise; // one point's noise in the values' unit; estimated when empty
    bool flux = false; // the values are fluxes: the deepest point is the lowest
};

struct KweeVanWoerdenTiming
{
    double minimum = 0;
    double error = 0;                 // Deeg (2021), days
    std::optional<double> kvwError;   // Kwee and van Woerden's own; empty where it is undefined
    double noise = 0;                 // the noise used
    bool noiseEstimated = false;
    int pairs = 0;                    // Z, the pairs of points in each folding
    bool resampled = false;           // the points were not evenly spaced
};

// Kwee & van Woerden (1956, BAN 12, 327): the points, resampled to equal steps by linear
// interpolation when their steps differ by more than a tenth, are folded about trial times half
// a step apart around the deepest point; the sum of squared differences of the folded pairs,
// S(T) = AT^2 + BT + C, is fitted by least squares and T0 = -B/2A. The folding moves to the point
// nearest T0 when that is another one, up to four times. Their error is
// sqrt((4AC - B^2) / (4A^2 (Z - 1))); Deeg (2021, Galaxies 9, 1) gives sqrt(2 noise^2 / A) with
// the noise given or estimated from the lowest S of the foldings, S = 2 noise^2 (Z - 1). Of
// resampled points the noise of each value is carried through the interpolation to estimate the
// noise of one observed point. Not timed: fewer than 7 points, fewer than 3 pairs (the deepest
// point near an end: one side missing), or no dip (S without a minimum, or an end of the series
// less than 3 noises above its three deepest points).
std::variant<KweeVanWoerdenTiming, Untimed>
kweeVanWoerden(std::span<const double> times, std::span<const double> values,
               const KweeVanWoerdenSettings &settings);

struct TemplateTiming
{
    double minimum = 0;
    double error = 0; // days
    double depth = 0; // the template's depth scale: 1 is the model's own eclipse
    double rms = 0;   // of the residuals, in the values' unit
};

// Least squares of y = offset + depth * shape((t - T0) / period), the shape being the curve's
// eclipse (in magnitudes, or turned into a flux dip), T0, offset and depth free; the error from
// the covariance scaled by the residuals. The eclipse must be deeper than three times its own
// error and hold two points on each side of T0 within the eclipse.
std::variant<TemplateTiming, Untimed> fitTemplate(std::span<const double> times,
                                                 std::span<const double> values, double period,
                                                 bool flux, const EclipseCurve &curve = {});

} // namespace timing
