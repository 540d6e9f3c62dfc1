#include "methods.h"

#include "starcatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace timing {

namespace {

constexpr std::size_t kFewestPoints = 5;
constexpr double kCoarsestStepDays = 0.005; // 7.2 minutes, a fraction of the minimum's width
constexpr int kRefinements = 40; // the interval shrinks to 1e-8 of the grid's step
constexpr double kDerivativePhase = 1e-6;
constexpr double kDepthInErrors = 3;
constexpr int kPointsEachSide = 2;

// The eclipse's shape: 0 outside it, largest at the minimum (a magnitude, or the lost flux).
class Shape
{
public:
    Shape(double period, bool flux, const EclipseCurve &curve)
        : m_period(period), m_flux(flux), m_curve(curve), m_maximum(curve.magnitude(0.25))
    {
    }

    double at(double t, double minimum) const
    {
        const double fainter = m_curve.magnitude((t - minimum) / m_period) - m_maximum;
        return m_flux ? 1 - std::pow(10.0, -0.4 * fainter) : fainter;
    }
    // d shape / d minimum.
    double slope(double t, double minimum) const
    {
        const double h = kDerivativePhase * m_period;
        return (at(t, minimum + h) - at(t, minimum - h)) / (2 * h);
    }

private:
    double m_period;
    bool m_flux;
    const EclipseCurve &m_curve;
    double m_maximum;
};

struct LinearFit
{
    double offset = 0, depth = 0, squares = 0;
};

// y = offset + sign * depth * shape by least squares, at one trial minimum; the values are taken
// about their mean so that the sum of squares keeps its digits.
LinearFit linearFit(std::span<const double> t, std::span<const double> y, double meanY,
                    const Shape &shape, double minimum, double sign)
{
    const double n = double(t.size());
    double ss = 0, sss = 0, sy = 0, ssy = 0, syy = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const double s = sign * shape.at(t[i], minimum);
        const double v = y[i] - meanY;
        ss += s;
        sss += s * s;
        sy += v;
        ssy += s * v;
        syy += v * v;
    }
    LinearFit fit;
    const double determinant = n * sss - ss * ss;
    fit.depth = determinant > 0 ? (n * ssy - ss * sy) / determinant : 0;
    const double offset = (sy - fit.depth * ss) / n;
    fit.offset = meanY + offset;
    fit.squares = std::max(0.0, syy - offset * sy - fit.depth * ssy);
    return fit;
}

// The inverse of a symmetric 3x3 matrix's diagonal entries 0 and 2; empty when it is singular.
std::optional<std::array<double, 2>> inverseDiagonal(const double m[3][3])
{
    const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const double c22 = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    const double determinant = m[0][0] * c00 - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    if (!(std::fabs(determinant) > 0))
        return std::nullopt;
    return std::array<double, 2>{c00 / determinant, c22 / determinant};
}

} // namespace

std::optional<EclipseCurve> EclipseCurve::ofStar(const sky::Star &star)
{
    const sky::LightCurve curve = sky::LightCurve::ofStar(star);
    return curve.hasEclipses() ? std::optional(EclipseCurve(curve)) : std::nullopt;
}

std::variant<TemplateTiming, Untimed> fitTemplate(std::span<const double> times,
                                                 std::span<const double> values, double period,
                                                 bool flux, const EclipseCurve &curve)
{
    const std::size_t n = times.size();
    const double span = n > 0 ? times[n - 1] - times[0] : 0;
    if (n < kFewestPoints || !(span > 0))
        return Untimed::TooFewPoints;
    const Shape shape(period, flux, curve);
    const double sign = flux ? -1 : 1;

    double meanY = 0;
    for (const double v : values)
        meanY += v / double(n);
    const auto squaresAt = [&](double minimum) {
        return linearFit(times, values, meanY, shape, minimum, sign).squares;
    };

    // The best of a grid of trial minima across the points, then a golden-section search around it.
    const int steps = std::max(20, int(std::ceil(span / kCoarsestStepDays)));
    const double step = span / steps;
    double best = times[0];
    double bestSquares = std::numeric_limits<double>::infinity();
    for (int k = 0; k <= steps; ++k) {
        const double trial = times[0] + k * step;
        const double squares = squaresAt(trial);
        if (squares < bestSquares) {
            bestSquares = squares;
            best = trial;
        }
    }
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double low = best - step, high = best + step;
    double left = high - golden * (high - low), right = low + golden * (high - low);
    double leftSquares = squaresAt(left), rightSquares = squaresAt(right);
    for (int i = 0; i < kRefinements; ++i) {
        if (leftSquares < rightSquares) {
            high = right;
            right = left;
            rightSquares = leftSquares;
            left = high - golden * (high - low);
            leftSquares = squaresAt(left);
        } else {
            low = left;
            left = right;
            leftSquares = rightSquares;
            right = low + golden * (high - low);
            rightSquares = squaresAt(right);
        }
    }
    const double minimum = (low + high) / 2;
    const LinearFit fit = linearFit(times, values, meanY, shape, minimum, sign);

    // The covariance of (minimum, offset, depth), scaled by the residuals.
    double normal[3][3] = {};
    for (std::size_t i = 0; i < n; ++i) {
        const double column[3] = {sign * fit.depth * shape.slope(times[i], minimum), 1,
                                  sign * shape.at(times[i], minimum)};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c)
                normal[r][c] += column[r] * column[c];
        }
    }
    const double variance = fit.squares / double(n - 3);
    const auto inverse = inverseDiagonal(normal);
    if (!inverse || !(fit.depth > kDepthInErrors * std::sqrt(variance * (*inverse)[1])))
        return Untimed::NoDip;

    int before = 0, after = 0;
    const double halfWidth = curve.primaryEclipseHalfWidth() * period;
    for (const double t : times) {
        before += t < minimum && t > minimum - halfWidth;
        after += t > minimum && t < minimum + halfWidth;
    }
    if (before < kPointsEachSide || after < kPointsEachSide)
        return Untimed::OneSideMissing;

    TemplateTiming timing;
    timing.minimum = minimum;
    timing.error = std::sqrt(variance * (*inverse)[0]);
    timing.depth = fit.depth;
    timing.rms = std::sqrt(fit.squares / double(n));
    return timing;
}

} // namespace timing
