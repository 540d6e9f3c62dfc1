#include "minimumtiming.h"

#include "eclipsemodel.h"
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
// More than any scale moves a time of Algol's: 8.4 minutes of light-time, 70 s of TT - UTC.
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

// Kwee and van Woerden's foldings half a step apart see the minimum only when the light changes
// between neighbouring points by more than the noise, on average over a branch of the eclipse: the
// depth seen (5th to 95th percentile) over the points of half an eclipse. Denser or noisier points
// fold into noise, and their errors would not be honest.
bool foldingSeesMinimum(const std::vector<double> &times, const std::vector<double> &values,
                        double periodDays, std::optional<double> noise)
{
    std::vector<double> ordered = values;
    const auto percentile = [&](std::size_t twentieths) {
        const auto at = ordered.begin() + std::ptrdiff_t(ordered.size() * twentieths / 20);
        std::nth_element(ordered.begin(), at, ordered.end());
        return *at;
    };
    const double depth = percentile(19) - percentile(1);
    const double step = (times.back() - times.front()) / double(times.size() - 1);
    static const double halfWidth = eclipses::primaryEclipseHalfWidth();
    const double halfEclipse = halfWidth * periodDays;
    return (noise ? *noise : noiseOfSeries(values)) < depth * step / halfEclipse;
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

EclipseTiming timeEclipse(const Eclipse &eclipse, const ephemeris::Elements &elements, bool flux,
                          const TimingOptions &options)
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

    timing.method = options.method;
    if (timing.method == Method::Auto)
        timing.method = times.size() >= kFewestForKweeVanWoerden && !hasGap(times)
                && foldingSeesMinimum(times, values, elements.period, options.noise)
            ? Method::KweeVanWoerden
            : Method::Template;
    double minimum = 0;
    double error = 0;
    std::optional<KweeVanWoerdenTiming> kvw;
    if (timing.method == Method::KweeVanWoerden) {
        const auto result = kweeVanWoerden(times, values, {options.folds, options.noise, flux});
        if (const auto *untimed = std::get_if<Untimed>(&result)) {
            timing.untimed = *untimed;
            return timing;
        }
        kvw = std::get<KweeVanWoerdenTiming>(result);
        minimum = kvw->minimum;
        error = kvw->error;
    } else {
        const auto result = fitTemplate(times, values, elements.period, flux);
        if (const auto *untimed = std::get_if<Untimed>(&result)) {
            timing.untimed = *untimed;
            return timing;
        }
        minimum = std::get<TemplateTiming>(result).minimum;
        error = std::get<TemplateTiming>(result).error;
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
    const double windowDays = options.windowHours / ephemeris::kHoursPerDay;
    // Only the observations near a minimum are worth the conversion.
    std::vector<Observation> near;
    for (const Observation &o : file.observations) {
        if (!cycleNear(o.time, set.elements, windowDays + kLargestShiftDays))
            continue;
        near.push_back(o);
        near.back().time = sky::convertDate(o.time, o.scale, report.scale);
        near.back().scale = report.scale;
    }
    long long inEclipses = 0;
    for (const Eclipse &eclipse : splitIntoEclipses(near, set.elements, options.windowHours)) {
        EclipseTiming timing = timeEclipse(eclipse, set.elements, file.flux, options);
        timing.cycle += set.epochCycle;
        if (!timing.untimed) {
            timing.minimumJdUtc = sky::convertDate(timing.minimum, report.scale,
                                                   sky::DateScale::JulianDayUtc);
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
