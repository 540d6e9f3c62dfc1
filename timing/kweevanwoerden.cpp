#include "methods.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace timing {

namespace {

constexpr std::size_t kFewestPoints = 7;
constexpr int kFewestPairs = 3;
constexpr double kEvenStepTolerance = 0.1; // a step within 10 % of the median one is even
constexpr int kMostMoves = 4;
constexpr double kDipInNoises = 3;

// The points on equal steps, deeper values larger, and each value's noise variance in units of
// one observed point's.
struct Grid
{
    double start = 0;
    double step = 0;
    std::vector<double> depths;
    std::vector<double> variances;
    bool resampled = false;
};

double medianStep(std::span<const double> times)
{
    std::vector<double> steps(times.size() - 1);
    for (std::size_t i = 0; i + 1 < times.size(); ++i)
        steps[i] = times[i + 1] - times[i];
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    return steps[steps.size() / 2];
}

Grid gridOf(std::span<const double> times, std::span<const double> depths)
{
    const std::size_t n = times.size();
    Grid grid;
    grid.start = times[0];
    grid.step = (times[n - 1] - times[0]) / double(n - 1);
    const double median = medianStep(times);
    for (std::size_t i = 0; i + 1 < n && !grid.resampled; ++i)
        grid.resampled = !(std::fabs(times[i + 1] - times[i] - median) <= kEvenStepTolerance * median);
    if (!grid.resampled) {
        grid.depths.assign(depths.begin(), depths.end());
        grid.variances.assign(n, 1.0);
        return grid;
    }
    // Linear interpolation between the observed points on either side of each step.
    std::size_t i = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const double t = j + 1 == n ? times[n - 1] : grid.start + double(j) * grid.step;
        while (i + 2 < n && times[i + 1] <= t)
            ++i;
        const double width = times[i + 1] - times[i];
        const double w = width > 0 ? std::clamp((t - times[i]) / width, 0.0, 1.0) : 1.0;
        grid.depths.push_back((1 - w) * depths[i] + w * depths[i + 1]);
        grid.variances.push_back((1 - w) * (1 - w) + w * w);
    }
    return grid;
}

// The pairs of grid points folded about the trial centre (in grid steps from the start; a whole
// or a half number): (centre - k, centre + k) or (centre + 1/2 - k, centre - 1/2 + k).
struct Folding
{
    double centre = 0;
    int available = 0;

    Folding(double c, int size) : centre(c)
    {
        const int below = int(std::floor(centre));
        const bool half = centre != below;
        available = std::max(0, std::min(half ? below + 1 : below, size - 1 - below));
    }
    int low(int k) const { return int(std::ceil(centre)) - k; }
    int high(int k) const { return int(std::floor(centre)) + k; }
};

struct Parabola
{
    double a = 0, b = 0, c = 0; // S = a x^2 + b x + c, x in half steps from the centre
};

// Least squares through the foldings at x = -(n-1)/2 .. (n-1)/2, symmetric about 0.
Parabola fitParabola(const std::vector<double> &x, const std::vector<double> &s)
{
    const double n = double(x.size());
    double sx2 = 0, sx4 = 0, ss = 0, sxs = 0, sx2s = 0;
    for (std::size_t j = 0; j < x.size(); ++j) {
        const double x2 = x[j] * x[j];
        sx2 += x2;
        sx4 += x2 * x2;
        ss += s[j];
        sxs += x[j] * s[j];
        sx2s += x2 * s[j];
    }
    Parabola p;
    p.a = (n * sx2s - sx2 * ss) / (n * sx4 - sx2 * sx2);
    p.b = sxs / sx2;
    p.c = (ss - p.a * sx2) / n;
    return p;
}

double meanOf(std::span<const double> values)
{
    double sum = 0;
    for (const double v : values)
        sum += v;
    return sum / double(values.size());
}

} // namespace

std::variant<KweeVanWoerdenTiming, Untimed>
kweeVanWoerden(std::span<const double> times, std::span<const double> values,
               const KweeVanWoerdenSettings &settings)
{
    const std::size_t n = times.size();
    if (n < kFewestPoints || !(times[n - 1] > times[0]))
        return Untimed::TooFewPoints;
    std::vector<double> depths(values.begin(), values.end());
    if (settings.flux) {
        for (double &d : depths)
            d = -d;
    }
    const Grid grid = gridOf(times, depths);
    const int size = int(grid.depths.size());
    const int folds = std::clamp(settings.folds, 3, 7) | 1;

    int centre = int(std::max_element(grid.depths.begin(), grid.depths.end()) - grid.depths.begin());
    std::vector<double> x(folds), sums(folds);
    Parabola p;
    int pairs = 0;
    double lowestSum = 0, lowestVariance = 0;
    for (int move = 0; move <= kMostMoves; ++move) {
        pairs = size;
        for (int j = 0; j < folds; ++j) {
            x[j] = j - (folds - 1) / 2.0;
            pairs = std::min(pairs, Folding(centre + x[j] / 2, size).available);
        }
        if (pairs < kFewestPairs)
            return Untimed::OneSideMissing; // the deepest point lies near an end
        lowestSum = std::numeric_limits<double>::infinity();
        for (int j = 0; j < folds; ++j) {
            const Folding folding(centre + x[j] / 2, size);
            double sum = 0, variance = 0;
            for (int k = 1; k <= pairs; ++k) {
                const double d = grid.depths[folding.high(k)] - grid.depths[folding.low(k)];
                sum += d * d;
                variance += grid.variances[folding.high(k)] + grid.variances[folding.low(k)];
            }
            sums[j] = sum;
            if (sum < lowestSum) {
                lowestSum = sum;
                lowestVariance = variance / pairs;
            }
        }
        p = fitParabola(x, sums);
        if (!(p.a > 0))
            return Untimed::NoDip;
        const int nearest = centre + int(std::lround(-p.b / (2 * p.a) / 2));
        if (nearest == centre || nearest < 0 || nearest >= size || move == kMostMoves)
            break;
        centre = nearest;
    }

    const double halfStep = grid.step / 2;
    KweeVanWoerdenTiming timing;
    timing.resampled = grid.resampled;
    timing.pairs = pairs;
    const double centreTime = grid.resampled ? grid.start + centre * grid.step : times[centre];
    timing.minimum = centreTime + -p.b / (2 * p.a) * halfStep;
    const double a = p.a / (halfStep * halfStep);
    const double lowestOfParabola = p.c - p.b * p.b / (4 * p.a);
    if (lowestOfParabola > 0)
        timing.kvwError = std::sqrt(lowestOfParabola / (p.a * (pairs - 1))) * halfStep;
    timing.noiseEstimated = !settings.noise;
    // A folded pair's difference has the variance of both its values: 2 noise^2 when observed.
    timing.noise = settings.noise ? *settings.noise
                                  : std::sqrt(lowestSum / (lowestVariance * (pairs - 1)));
    timing.error = std::sqrt(2 * timing.noise * timing.noise / a);

    // Both ends of the series must lie above the three deepest points by more than the noise.
    std::vector<double> deepestLast = depths;
    std::nth_element(deepestLast.begin(), deepestLast.end() - 3, deepestLast.end());
    const double deepest = meanOf(std::span(deepestLast).last(3));
    const double ends = std::max(meanOf(std::span(depths).first(3)),
                                 meanOf(std::span(depths).last(3)));
    if (!(deepest - ends > kDipInNoises * timing.noise))
        return Untimed::NoDip;
    return timing;
}

} // namespace timing
