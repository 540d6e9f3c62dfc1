#include "minimumtiming.h"

#include "starcatalogue.h"
#include "timetypes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

namespace timing {

namespace {

constexpr std::size_t kFewestForKweeVanWoerden = 20;
constexpr double kGapInMedianSteps = 3;
constexpr double kShortestGapDays = 30 / ephemeris::kMinutesPerDay;
constexpr double kLongestStepAtMinimumDays = 1 / ephemeris::kHoursPerDay;
constexpr double kFoldingSignal = 8;
// How far each side of a minimum must be seen, in the eclipse's half-width: 0.1, half an hour,
// in which Algol's light climbs a twentieth of its depth. A side seen for less hardly rises: the
// time of minimum would rest on the other side and on the shape assumed (30 minutes early, with
// an error of one, for a dip of another shape than the template's cut 20 minutes before its
// minimum).
constexpr double kSideInHalfWidths = 0.1;
constexpr double kFadeInNoises = 5;
constexpr double kRiseInErrors = 3;
constexpr int kFarPointsEachSide = 3;
// More than any scale moves a star's time: 8.4 minutes of light-time, 70 s of TT - UTC.
constexpr double kLargestShiftDays = 15 / ephemeris::kMinutesPerDay;

std::optional<long long> nearestCycle(double time, const ephemeris::Elements &elements)
{
    const double cycles = (time - elements.epoch) / elements.period;
    if (!(std::fabs(cycles) < 1e15))
        return std::nullopt;
    return std::llround(cycles);
}

// The cycle of the nearest predicted minimum when the time lies within the window of it.
std::optional<long long> cycleNear(double time, const ephemeris::Elements &elements,
                                   double windowDays)
{
    const std::optional<long long> cycle = nearestCycle(time, elements);
    if (!cycle || !(std::fabs(time - (elements.epoch + double(*cycle) * elements.period)) <= windowDays))
        return std::nullopt;
    return cycle;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

bool hasGap(const std::vector<double> &times)
{
    std::vector<double> steps;
    for (std::size_t i = 0; i + 1 < times.size(); ++i)
        steps.push_back(times[i + 1] - times[i]);
    const double longest = std::max(kGapInMedianSteps * median(steps), kShortestGapDays);
    return std::any_of(steps.begin(), steps.end(), [&](double step) { return step > longest; });
}

// One point's noise from the second differences of the series (which a smooth eclipse hardly
// moves), as the median absolute deviation of a normal distribution.
double noiseOfSeries(const std::vector<double> &values)
{
    std::vector<double> differences;
    for (std::size_t i = 1; i + 1 < values.size(); ++i)
        differences.push_back(values[i + 1] - 2 * values[i] + values[i - 1]);
    const double middle = median(differences);
    for (double &d : differences)
        d = std::fabs(d - middle);
    return 1.4826 * median(differences) / std::sqrt(6.0);
}

// Kwee and van Woerden's foldings half a step apart see the minimum only when their sums S of
// squared differences change from one trial to the next by more than the noise changes them. A
// shift of one step changes the difference of each of the Z pairs by about twice the light's
// change per step g (the depth seen, 5th to 95th percentile, over the steps of a branch of the
// points), S by 4 Z g^2; the noise moves S by about 2 noise^2 sqrt(2 Z), the spread of a sum of
// Z squared differences of two noisy points each. The ratio of the two, sqrt(2 Z) g^2 / noise^2,
// must reach kFoldingSignal: on synthetic eclipses (tst_minimumtiming) Deeg's error is honest
// from about that ratio, a quarter too small near 3 and ten times too small near 0.2.
bool foldingSeesMinimum(const std::vector<double> &times, const std::vector<double> &values,
                        double halfWidthDays, std::optional<double> noise)
{
    std::vector<double> ordered = values;
    const auto percentile = [&](std::size_t twentieths) {
        const auto at = ordered.begin() + std::ptrdiff_t(ordered.size() * twentieths / 20);
        std::nth_element(ordered.begin(), at, ordered.end());
        return *at;
    };
    const double depth = percentile(19) - percentile(1);
    const double span = times.back() - times.front();
    const double step = span / double(times.size() - 1);
    const double branch = std::min(halfWidthDays, span / 2);
    const double change = depth * step / branch;
    const double pairs = double(times.size()) / 2;
    const double sigma = noise ? *noise : noiseOfSeries(values);
    return std::sqrt(2 * pairs) * change * change >= kFoldingSignal * sigma * sigma;
}

// One side of the minimum (direction +1 after it, -1 before it) is seen when it holds
// kFarPointsEachSide points from kSideInHalfWidths of the eclipse's half-width out to the
// half-width, and the light of its points within the eclipse grows brighter away from the
// minimum: the slope of a straight line through them, against the distance from the minimum,
// kRiseInErrors times its error at least (that of points with the given noise). A dip cut before
// its minimum has no such side: after a minimum found too early its light goes on falling.
bool sideSeen(const std::vector<double> &times, const std::vector<double> &values, bool flux,
              double minimum, int direction, double halfWidthDays, double noise)
{
    int far = 0;
    double n = 0, sd = 0, sdd = 0, sb = 0, sdb = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const double d = (times[i] - minimum) * direction;
        if (!(d > 0 && d <= halfWidthDays))
            continue;
        far += d >= kSideInHalfWidths * halfWidthDays;
        const double brightness = flux ? values[i] : -values[i];
        n += 1;
        sd += d;
        sdd += d * d;
        sb += brightness;
        sdb += d * brightness;
    }
    const double spread = n * sdd - sd * sd; // n^2 times the variance of the distances
    if (far < kFarPointsEachSide || !(spread > 0))
        return false;
    const double slope = (n * sdb - sd * sb) / spread;
    return slope > kRiseInErrors * noise * std::sqrt(n / spread);
}

// A series that only fades (or only brightens): in fifths of the points, the deepest fifth is the
// first or the last, deeper than the brightest by more than kFadeInNoises of their difference's
// noise. A dip that neither method can time is then one whose other side is missing.
bool fadesToAnEnd(const std::vector<double> &values, bool flux, std::optional<double> noise)
{
    constexpr std::size_t kParts = 5;
    const std::size_t size = values.size() / kParts;
    if (size < 2)
        return false;
    std::vector<double> depths;
    for (std::size_t part = 0; part < kParts; ++part) {
        const std::size_t first = part * (values.size() - size) / (kParts - 1);
        double sum = 0;
        for (std::size_t i = first; i < first + size; ++i)
            sum += values[i];
        depths.push_back((flux ? -sum : sum) / double(size));
    }
    const auto deepest = std::max_element(depths.begin(), depths.end());
    const double brightest = *std::min_element(depths.begin(), depths.end());
    const double sigma = noise ? *noise : noiseOfSeries(values);
    return (deepest == depths.begin() || deepest == depths.end() - 1)
        && *deepest - brightest > kFadeInNoises * sigma * std::sqrt(2.0 / double(size));
}

} // namespace

std::string_view methodName(Method method)
{
    switch (method) {
    case Method::KweeVanWoerden:
        return "kvw";
    case Method::Template:
        return "template";
    case Method::Auto:
        break;
    }
    return "auto";
}

std::string_view untimedText(Untimed reason)
{
    switch (reason) {
    case Untimed::OneSideMissing:
        return "one side of the eclipse is missing";
    case Untimed::TooFewPoints:
        return "too few points";
    case Untimed::GapAcrossMinimum:
        return "a gap across the minimum";
    case Untimed::NoDip:
        return "no dip deeper than the noise";
    case Untimed::NoTemplate:
        return "the star has no eclipse template to fit";
    }
    return {};
}

std::vector<Eclipse> splitIntoEclipses(const std::vector<Observation> &observations,
                                       const ephemeris::Elements &elements, double windowHours)
{
    // The bands by rank in their sorted order, looked up once for each run of the same band.
    std::map<std::string_view, int> bandRanks;
    for (std::size_t i = 0; i < observations.size(); ++i) {
        if (i == 0 || observations[i].band != observations[i - 1].band)
            bandRanks.emplace(observations[i].band, 0);
    }
    int rank = 0;
    for (auto &[band, r] : bandRanks)
        r = rank++;

    struct Key
    {
        long long cycle;
        int band;
        double time;
        std::size_t index;
        auto operator<=>(const Key &) const = default;
    };
    const double windowDays = windowHours / ephemeris::kHoursPerDay;
    std::vector<Key> keys;
    std::string_view lastBand;
    int lastRank = -1;
    for (std::size_t i = 0; i < observations.size(); ++i) {
        const Observation &o = observations[i];
        const std::optional<long long> cycle = cycleNear(o.time, elements, windowDays);
        if (!cycle)
            continue;
        if (lastRank < 0 || o.band != lastBand) {
            lastBand = o.band;
            lastRank = bandRanks[lastBand];
        }
        keys.push_back({*cycle, lastRank, o.time, i});
    }
    // Most files are in time order, and then so are the keys of one band.
    if (!std::is_sorted(keys.begin(), keys.end()))
        std::sort(keys.begin(), keys.end());

    std::vector<Eclipse> eclipses;
    for (std::size_t first = 0, last = 0; first < keys.size(); first = last) {
        while (last < keys.size() && keys[last].cycle == keys[first].cycle
               && keys[last].band == keys[first].band)
            ++last;
        Eclipse &eclipse = eclipses.emplace_back();
        eclipse.cycle = keys[first].cycle;
        eclipse.band = observations[keys[first].index].band;
        eclipse.points.reserve(last - first);
        for (std::size_t k = first; k < last; ++k)
            eclipse.points.push_back(observations[keys[k].index]);
    }
    return eclipses;
}

double defaultWindowHours(const sky::Star &star)
{
    return star.primaryEclipseHours ? std::ceil(*star.primaryEclipseHours / 2) : 24;
}

EclipseTiming timeEclipse(const Eclipse &eclipse, const ephemeris::Elements &elements, bool flux,
                          const TimingOptions &options, const std::optional<EclipseCurve> &curve)
{
    EclipseTiming timing;
    timing.cycle = eclipse.cycle;
    timing.band = eclipse.band;
    timing.points = int(eclipse.points.size());
    std::vector<double> times, values;
    for (const Observation &point : eclipse.points) {
        times.push_back(point.time);
        values.push_back(point.value);
        if (!point.observer.empty()
            && (timing.observers.empty() || point.observer != timing.observers.back()))
            timing.observers.push_back(point.observer);
    }
    std::sort(timing.observers.begin(), timing.observers.end());
    timing.observers.erase(std::unique(timing.observers.begin(), timing.observers.end()),
                           timing.observers.end());

    const double halfWidthDays =
        (curve ? curve->primaryEclipseHalfWidth() : kHalfWidthWithoutCurve) * elements.period;
    timing.method = options.method;
    if (timing.method == Method::Auto)
        timing.method = !curve
                || (times.size() >= kFewestForKweeVanWoerden && !hasGap(times)
                    && foldingSeesMinimum(times, values, halfWidthDays, options.noise))
            ? Method::KweeVanWoerden
            : Method::Template;
    double minimum = 0;
    double error = 0;
    std::optional<KweeVanWoerdenTiming> kvw;
    std::optional<Untimed> untimed;
    if (timing.method == Method::KweeVanWoerden) {
        const auto result = kweeVanWoerden(times, values, {options.folds, options.noise, flux});
        if (const auto *reason = std::get_if<Untimed>(&result)) {
            untimed = *reason;
        } else {
            kvw = std::get<KweeVanWoerdenTiming>(result);
            minimum = kvw->minimum;
            error = kvw->error;
        }
    } else if (!curve) {
        timing.untimed = Untimed::NoTemplate;
        return timing;
    } else {
        const auto result = fitTemplate(times, values, elements.period, flux, *curve);
        if (const auto *reason = std::get_if<Untimed>(&result)) {
            untimed = *reason;
        } else {
            minimum = std::get<TemplateTiming>(result).minimum;
            error = std::get<TemplateTiming>(result).error;
        }
    }
    if (untimed) {
        timing.untimed = untimed == Untimed::NoDip && fadesToAnEnd(values, flux, options.noise)
            ? Untimed::OneSideMissing
            : *untimed;
        return timing;
    }
    const auto after = std::upper_bound(times.begin(), times.end(), minimum);
    if (after == times.begin() || after == times.end()) {
        timing.untimed = Untimed::OneSideMissing;
        return timing;
    }
    if (*after - *(after - 1) > kLongestStepAtMinimumDays) {
        timing.untimed = Untimed::GapAcrossMinimum;
        return timing;
    }
    const double noise = options.noise ? *options.noise : noiseOfSeries(values);
    for (const int direction : {-1, +1}) {
        if (!sideSeen(times, values, flux, minimum, direction, halfWidthDays, noise)) {
            timing.untimed = Untimed::OneSideMissing;
            return timing;
        }
    }

    timing.minimum = minimum;
    timing.errorDays = error;
    timing.ocDays = minimum - (elements.epoch + double(timing.cycle) * elements.period);
    if (kvw) {
        timing.kvwErrorDays = kvw->kvwError;
        timing.pairs = kvw->pairs;
        timing.noise = kvw->noise;
        timing.noiseEstimated = kvw->noiseEstimated;
        timing.resampled = kvw->resampled;
    }
    return timing;
}

TimingReport timeObservations(const ObservationFile &file, const sky::ElementSet &set,
                              const TimingOptions &options)
{
    TimingReport report;
    report.scale = sky::dateScaleOf(set.reference);
    const std::optional<EclipseCurve> curve = EclipseCurve::ofStar(*set.star);
    const double windowDays = options.windowHours / ephemeris::kHoursPerDay;
    // Only the observations near a minimum are worth the conversion.
    std::vector<Observation> near;
    for (const Observation &o : file.observations) {
        if (!cycleNear(o.time, set.elements, windowDays + kLargestShiftDays))
            continue;
        near.push_back(o);
        near.back().time = sky::convertDate(o.time, o.scale, report.scale, *set.star);
        near.back().scale = report.scale;
    }
    long long inEclipses = 0;
    for (const Eclipse &eclipse : splitIntoEclipses(near, set.elements, options.windowHours)) {
        EclipseTiming timing = timeEclipse(eclipse, set.elements, file.flux, options, curve);
        timing.cycle += set.epochCycle;
        if (!timing.untimed) {
            timing.minimumJdUtc = sky::convertDate(timing.minimum, report.scale,
                                                   sky::DateScale::JulianDayUtc, *set.star);
            if (!(timing.errorDays >= kSmallestTimingErrorDays))
                timing.errorDays = kSmallestTimingErrorDays;
        }
        inEclipses += timing.points;
        report.eclipses.push_back(std::move(timing));
    }
    report.outsideWindows = (long long)file.observations.size() - inEclipses;
    return report;
}

} // namespace timing
