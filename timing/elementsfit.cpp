#include "elementsfit.h"

#include "timetypes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace timing {

namespace {

constexpr double kFlagInSigmas = 3;
constexpr double kNormalSpreadOfMedian = 1.4826; // a normal distribution's sigma / MAD

// The least squares of the kept timings: T = reference + epoch + period * x, x the cycles from
// the start's cycle nearest their weighted centre; the period fitted or kept.
struct Solution
{
    double referenceTime = 0;
    std::vector<double> x;
    double epoch = 0, period = 0;
    double epochVariance = 0, periodVariance = 0, covariance = 0;

    double residual(std::span<const TimingPoint> timings, std::size_t i) const
    {
        return timings[i].minimum - referenceTime - (epoch + period * x[i]);
    }
};

Solution solve(std::span<const TimingPoint> timings, const ephemeris::Elements &start,
               const std::vector<bool> &kept, bool fitPeriod)
{
    const std::size_t n = timings.size();
    std::vector<double> cycles(n), w(n);
    double sw = 0, swe = 0;
    for (std::size_t i = 0; i < n; ++i) {
        cycles[i] = std::round((timings[i].minimum - start.epoch) / start.period);
        w[i] = kept[i] ? 1 / (timings[i].errorDays * timings[i].errorDays) : 0;
        sw += w[i];
        swe += w[i] * cycles[i];
    }
    Solution solution;
    const double centre = std::round(swe / sw);
    solution.referenceTime = start.epoch + centre * start.period;
    double s = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = cycles[i] - centre;
        const double y = timings[i].minimum - solution.referenceTime
            - (fitPeriod ? 0 : start.period * x);
        solution.x.push_back(x);
        s += w[i];
        sx += w[i] * x;
        sxx += w[i] * x * x;
        sy += w[i] * y;
        sxy += w[i] * x * y;
    }
    if (!fitPeriod) {
        solution.epoch = sy / s;
        solution.period = start.period;
        solution.epochVariance = 1 / s;
        return solution;
    }
    const double determinant = s * sxx - sx * sx;
    solution.epoch = (sxx * sy - sx * sxy) / determinant;
    solution.period = (s * sxy - sx * sy) / determinant;
    solution.epochVariance = sxx / determinant;
    solution.periodVariance = s / determinant;
    solution.covariance = -sx / determinant;
    return solution;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

std::vector<TimingPoint> timingPointsOf(const std::vector<TimingRecord> &records,
                                        sky::DateScale scale)
{
    std::vector<TimingPoint> points;
    for (const TimingRecord &record : records)
        points.push_back({sky::convertDate(record.minimum, record.scale, scale), record.errorDays});
    return points;
}

ElementsFit fitElements(std::span<const TimingPoint> timings, const ephemeris::Elements &start,
                        sky::TimeReference reference, bool reject)
{
    ElementsFit fit;
    fit.fitted.kind = sky::ElementSetKind::Fitted;
    fit.fitted.reference = reference;
    const std::size_t n = timings.size();
    if (n == 0)
        return fit;
    const auto [first, last] = std::minmax_element(
        timings.begin(), timings.end(),
        [](const TimingPoint &a, const TimingPoint &b) { return a.minimum < b.minimum; });
    fit.periodKept = n == 1 || last->minimum - first->minimum < kSeasonDays;
    const std::size_t fewest = fit.periodKept ? 1 : 2;

    std::vector<bool> kept(n, true);
    Solution solution;
    // A second round only when rejecting leaves something out.
    for (int round = 0; round < 2; ++round) {
        solution = solve(timings, start, kept, !fit.periodKept);
        double chiSquare = 0;
        std::vector<double> normalised;
        for (std::size_t i = 0; i < n; ++i) {
            const double r = solution.residual(timings, i) / timings[i].errorDays;
            if (kept[i]) {
                chiSquare += r * r;
                normalised.push_back(std::fabs(r));
            }
        }
        const double degrees = double(normalised.size()) - double(fewest);
        fit.reducedChiSquare = degrees > 0 ? chiSquare / degrees
                                           : std::numeric_limits<double>::quiet_NaN();
        // The timings' own spread, which one wild timing cannot inflate as it does chi^2.
        const double spread = std::max(1.0, kNormalSpreadOfMedian * median(normalised));
        fit.residuals.assign(n, {});
        std::size_t left = 0;
        for (std::size_t i = 0; i < n; ++i) {
            Residual &residual = fit.residuals[i];
            residual.cycle = (long long)solution.x[i];
            residual.ocDays = solution.residual(timings, i);
            residual.errorDays = timings[i].errorDays;
            if (!kept[i])
                residual.flag = Residual::Flag::Rejected;
            else if (std::fabs(residual.ocDays) > kFlagInSigmas * spread * residual.errorDays)
                residual.flag = Residual::Flag::Flagged;
            else
                ++left;
        }
        if (!reject || round == 1 || left == normalised.size() || left < fewest)
            break;
        for (std::size_t i = 0; i < n; ++i)
            kept[i] = fit.residuals[i].flag == Residual::Flag::Kept;
    }

    fit.errorsScaled = fit.reducedChiSquare > 1;
    const double varianceScale = fit.errorsScaled ? fit.reducedChiSquare : 1;
    fit.fitted.elements = {solution.referenceTime + solution.epoch, solution.period};
    sky::FitStatistics &fitted = fit.fitted.fit;
    fitted.epochErrorDays = std::sqrt(solution.epochVariance * varianceScale);
    fitted.periodErrorDays = std::sqrt(solution.periodVariance * varianceScale);
    fitted.correlation = fit.periodKept ? 0
                                        : solution.covariance
            / std::sqrt(solution.epochVariance * solution.periodVariance);
    double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (kept[i]) {
            squares += fit.residuals[i].ocDays * fit.residuals[i].ocDays;
            ++fitted.timings;
        }
    }
    fitted.rmsDays = std::sqrt(squares / fitted.timings);
    fitted.firstTiming = first->minimum;
    fitted.lastTiming = last->minimum;
    return fit;
}

} // namespace timing
