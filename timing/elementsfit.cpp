#include "elementsfit.h"

#include "minimumtiming.h"
#include "timetypes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace timing {

namespace {

constexpr double kFlagInSigmas = 3;
constexpr double kNormalSpreadOfMedian = 1.4826; // a normal distribution's sigma / MAD

// The least squares of the kept timings: T = referenceTime + epoch + period * x, x the cycles from
// the centre, the start's cycle nearest their weighted centre; the period fitted or kept. The
// variances are those of unit weights, before any scaling.
struct Solution
{
    long long centre = 0;
    double referenceTime = 0;
    std::vector<double> x;
    double epoch = 0, period = 0;
    double weights = 0, meanX = 0; // the sum of the weights, the weighted mean of x
    double epochVariance = 0, periodVariance = 0, covariance = 0;

    double residual(std::span<const TimingPoint> timings, std::size_t i) const
    {
        return timings[i].minimum - referenceTime - (epoch + period * x[i]);
    }
};

Solution solve(std::span<const TimingPoint> timings, const std::vector<double> &errors,
               const std::vector<long long> &cycles, const ephemeris::Elements &start,
               const std::vector<bool> &kept, bool fitPeriod)
{
    const std::size_t n = timings.size();
    std::vector<double> w(n);
    double sw = 0, swe = 0;
    for (std::size_t i = 0; i < n; ++i) {
        w[i] = kept[i] ? 1 / (errors[i] * errors[i]) : 0;
        sw += w[i];
        swe += w[i] * double(cycles[i]);
    }
    Solution solution;
    // The weights lie between 1e-12 and 1e10 (errors below 1e6 days and at least a second).
    solution.centre = std::llround(swe / sw);
    solution.referenceTime = start.epoch + double(solution.centre) * start.period;
    double s = 0, sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = double(cycles[i] - solution.centre);
        const double y = timings[i].minimum - solution.referenceTime
            - (fitPeriod ? 0 : start.period * x);
        solution.x.push_back(x);
        s += w[i];
        sx += w[i] * x;
        sxx += w[i] * x * x;
        sy += w[i] * y;
        sxy += w[i] * x * y;
    }
    solution.weights = s;
    solution.meanX = sx / s;
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

// Whether the kept timings fit the epoch alone: one of them, or less than a season.
bool epochAlone(std::span<const TimingPoint> timings, const std::vector<bool> &kept)
{
    double first = 0, last = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < timings.size(); ++i) {
        if (!kept[i])
            continue;
        first = count == 0 ? timings[i].minimum : std::min(first, timings[i].minimum);
        last = count == 0 ? timings[i].minimum : std::max(last, timings[i].minimum);
        ++count;
    }
    return count == 1 || last - first < kSeasonDays;
}

} // namespace

std::vector<TimingPoint> timingPointsOf(const std::vector<TimingRecord> &records,
                                        sky::DateScale scale)
{
    std::vector<TimingPoint> points;
    for (const TimingRecord &record : records)
        points.push_back({sky::convertDate(record.minimum, record.scale, scale, *record.star),
                          record.errorDays});
    return points;
}

ElementsFit fitElements(std::span<const TimingPoint> timings, const sky::ElementSet &start,
                        bool reject)
{
    ElementsFit fit;
    fit.fitted.kind = sky::ElementSetKind::Fitted;
    fit.fitted.reference = start.reference;
    fit.fitted.star = start.star;
    const std::size_t n = timings.size();
    std::vector<double> errors(n);
    std::vector<long long> cycles(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TimingPoint &t = timings[i];
        const double cycle = std::round((t.minimum - start.elements.epoch) / start.elements.period);
        // Only timings that elements can number, with an error a fit can weigh.
        if (!(std::fabs(cycle) <= double(kLargestEpochCycle)) || !(t.errorDays < 1e6)) {
            fit.refusal = ElementsRefusal{ElementsError::NotANumber, 0, "epoch"};
            return fit;
        }
        cycles[i] = (long long)cycle;
        errors[i] = t.errorDays >= kSmallestTimingErrorDays ? t.errorDays : kSmallestTimingErrorDays;
    }
    if (n == 0) {
        fit.refusal = ElementsRefusal{ElementsError::Missing, 0, "epoch"};
        return fit;
    }
    const auto [first, last] = std::minmax_element(
        timings.begin(), timings.end(),
        [](const TimingPoint &a, const TimingPoint &b) { return a.minimum < b.minimum; });

    std::vector<bool> kept(n, true);
    fit.periodKept = epochAlone(timings, kept);
    const std::size_t fewest = fit.periodKept ? 1 : 2;
    Solution solution;
    // A second round only when rejecting leaves something out.
    for (int round = 0; round < 2; ++round) {
        fit.periodKept = epochAlone(timings, kept);
        solution = solve(timings, errors, cycles, start.elements, kept, !fit.periodKept);
        double chiSquare = 0;
        std::vector<double> normalised;
        for (std::size_t i = 0; i < n; ++i) {
            const double r = solution.residual(timings, i) / errors[i];
            if (kept[i]) {
                chiSquare += r * r;
                normalised.push_back(std::fabs(r));
            }
        }
        const double degrees = double(normalised.size()) - (fit.periodKept ? 1.0 : 2.0);
        fit.reducedChiSquare = degrees > 0 ? chiSquare / degrees
                                           : std::numeric_limits<double>::quiet_NaN();
        // The timings' own spread, which one wild timing cannot inflate as it does chi^2.
        const double spread = std::max(1.0, kNormalSpreadOfMedian * median(normalised));
        fit.residuals.assign(n, {});
        std::size_t left = 0;
        for (std::size_t i = 0; i < n; ++i) {
            Residual &residual = fit.residuals[i];
            residual.cycle = cycles[i] + start.epochCycle;
            residual.ocDays = solution.residual(timings, i);
            residual.errorDays = errors[i];
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
    fit.fitted.epochCycle = start.epochCycle + solution.centre;
    double epochVariance = varianceScale * solution.epochVariance;
    double periodVariance = varianceScale * solution.periodVariance;
    double covariance = varianceScale * solution.covariance;
    if (fit.periodKept) {
        // The period as the start states it: an error that is not the timings' own, not scaled.
        const double periodError = sky::statedPeriodErrorDays(start);
        periodVariance = periodError * periodError;
        epochVariance += solution.meanX * solution.meanX * periodVariance;
        covariance = 0 - solution.meanX * periodVariance; // +0 rather than -0 when the mean is 0
    }
    sky::FitStatistics &fitted = fit.fitted.fit;
    fitted.epochErrorDays = std::sqrt(epochVariance);
    fitted.periodErrorDays = std::sqrt(periodVariance);
    // Within -1 to 1 but for the rounding of nearly dependent timings.
    fitted.correlation = epochVariance > 0 && periodVariance > 0
        ? std::clamp(covariance / std::sqrt(epochVariance * periodVariance), -1.0, 1.0)
        : 0;
    double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (kept[i]) {
            squares += fit.residuals[i].ocDays * fit.residuals[i].ocDays;
            ++fitted.timings;
        }
    }
    if (fitted.timings >= sky::kFewestTimingsForScatter)
        fitted.rmsDays = std::sqrt(squares / fitted.timings);
    fitted.firstTiming = first->minimum;
    fitted.lastTiming = last->minimum;
    fit.refusal = refusalOf(fit.fitted);
    return fit;
}

} // namespace timing
