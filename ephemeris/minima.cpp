#include "minima.h"

#include <algorithm>
#include <cmath>

namespace ephemeris {

namespace {

// A stretch of doubles evenly spaced by 2^exponent, as seen by a value that grows: every multiple
// of the spacing from the value up to lastUnits spacings is a double, and nothing in between is.
struct EvenSpacing
{
    int exponent = 0;
    long long lastUnits = 0;
};

EvenSpacing spacingAt(double value)
{
    // The subnormals and the lowest binade on either side of zero share the spacing 2^-1074.
    if (std::fabs(value) < 0x1p-1021)
        return {-1074, (1LL << 53) - 1};
    // A positive value can grow to the top of its binade; a negative one only up to -2^ilogb,
    // beyond which the spacing halves.
    return {std::ilogb(value) - 52, value > 0 ? (1LL << 53) - 1 : -(1LL << 52) - 1};
}

// Jumps over the additions that provably add the same amount, as the loop would do them one at a
// time. On an even spacing, m + period rounds to m + step with the same step every time, except
// when period falls exactly halfway between two multiples of the spacing: then the tie goes to
// the even multiple, and the step settles after one addition. Hence two additions that add the
// same amount fix it for good. The jump stops a step short of the threshold and of the end of the
// spacing, so the caller finishes one addition at a time and the loop's own tests decide.
double leap(double m, double period, double threshold)
{
    if (!std::isfinite(m) || !(m <= threshold))
        return m;
    const EvenSpacing spacing = spacingAt(m);
    const double first = m + period;
    const double second = first + period;
    if (!(std::ldexp(second, -spacing.exponent) <= static_cast<double>(spacing.lastUnits)))
        return m;
    const double step = first - m; // exact: both lie on the spacing
    if (!(step > 0) || step != second - first)
        return m;

    const auto units = static_cast<long long>(std::ldexp(m, -spacing.exponent));
    const auto stepUnits = static_cast<long long>(std::ldexp(step, -spacing.exponent));
    const double thresholdUnits = std::ldexp(threshold, -spacing.exponent);
    const long long belowThreshold = thresholdUnits >= 0x1p62
        ? (1LL << 62)
        : static_cast<long long>(std::floor(thresholdUnits));
    const long long limit = std::min(belowThreshold - stepUnits, spacing.lastUnits);
    if (limit <= units)
        return m;
    const long long steps = (limit - units) / stepUnits;
    return std::ldexp(static_cast<double>(units + steps * stepUnits), spacing.exponent);
}

} // namespace

std::optional<double> stepMinimum(double start, double period, double threshold)
{
    double m = start;
    if (!(m <= threshold))
        return m;
    if (std::isnan(period))
        return m + period;
    // A period that is not positive never lets the sum pass the threshold.
    if (!(period > 0))
        return std::nullopt;
    while (m <= threshold) {
        const double next = m + period;
        if (next == m)
            return std::nullopt; // the sum stopped growing: the loop would never end
        m = leap(next, period, threshold);
    }
    return m;
}

std::optional<double> stepMinimumLiteral(double start, double period, double threshold,
                                         long long maxSteps)
{
    double m = start;
    for (long long steps = 0; m <= threshold; ++steps) {
        if (steps == maxSteps)
            return std::nullopt;
        m = m + period;
    }
    return m;
}

std::optional<JulianDay> lastMinimumAtOrBefore(JulianDay instant, const Elements &elements)
{
    return stepMinimum(elements.epoch, elements.period, instant - elements.period);
}

std::optional<NumberedMinimum> firstMinimumAfter(double threshold, const Elements &elements)
{
    const double epoch = elements.epoch;
    const double period = elements.period;
    if (!std::isfinite(threshold) || !std::isfinite(epoch) || !std::isfinite(period)
        || !(period > 0))
        return std::nullopt;
    // Beyond 2^53 periods the count is no longer exact in a double.
    const double periodsAway = (threshold - epoch) / period;
    if (!(std::fabs(periodsAway) < 0x1p53))
        return std::nullopt;

    if (threshold >= epoch) {
        const std::optional<double> minimum = stepMinimum(epoch, period, threshold);
        if (!minimum)
            return std::nullopt;
        // The additions drift from epoch + E * period by far less than half a period.
        return NumberedMinimum{std::llround((*minimum - epoch) / period), *minimum};
    }

    // Back from the epoch: the largest k with epoch - k * period still after threshold. The
    // division may be off by a period either way, and a few corrections settle it; a period so
    // small that the products round together (no such k to be found) gives up.
    const auto minimumBack = [&](long long k) { return epoch - static_cast<double>(k) * period; };
    auto back = static_cast<long long>(std::floor(-periodsAway));
    for (int i = 0; i < 4 && back > 0 && !(minimumBack(back) > threshold); ++i)
        --back;
    for (int i = 0; i < 4 && minimumBack(back + 1) > threshold; ++i)
        ++back;
    if (!(minimumBack(back) > threshold) || minimumBack(back + 1) > threshold)
        return std::nullopt;
    return NumberedMinimum{-back, minimumBack(back)};
}

double linearMinimum(long long cycle, const Elements &elements)
{
    return std::fma(static_cast<double>(cycle), elements.period, elements.epoch);
}

std::optional<NumberedMinimum> firstLinearMinimumAfter(double threshold, const Elements &elements)
{
    if (!std::isfinite(threshold) || !std::isfinite(elements.epoch)
        || !std::isfinite(elements.period) || !(elements.period > 0))
        return std::nullopt;
    const double periodsAway = (threshold - elements.epoch) / elements.period;
    if (!(std::fabs(periodsAway) < 0x1p53))
        return std::nullopt;
    // The division may be off by a period either way, and a few corrections settle it.
    const auto after = [&](long long cycle) { return linearMinimum(cycle, elements) > threshold; };
    auto cycle = static_cast<long long>(std::floor(periodsAway)) + 1;
    for (int i = 0; i < 4 && after(cycle - 1); ++i)
        --cycle;
    for (int i = 0; i < 4 && !after(cycle); ++i)
        ++cycle;
    if (!after(cycle) || after(cycle - 1))
        return std::nullopt;
    return NumberedMinimum{cycle, linearMinimum(cycle, elements)};
}

double phaseOf(JulianDay instant, JulianDay lastMinimum, const Elements &elements)
{
    return (instant - lastMinimum) / elements.period;
}

} // namespace ephemeris
