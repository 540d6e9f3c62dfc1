// Fuzz target: the readers of observation files, the timing of what they read, the timings file
// and the elements file, on any bytes.
//
// Input: the first line holds settings, any of the words hjd, bjd (the plain columns' scale),
// flux, kvw, template (the method; auto otherwise), 3, 7 (the folds; 5 otherwise), noise (0.02)
// and classic (the elements; current otherwise); the rest is the file. What is read must hold
// together; its times are then taken as the elements' own (the conversions, a tenth of a
// millisecond each there and back, are tried on two of them), split and timed, at most 200 of
// them (the cost of a longer file is the benchmarks' business), written to a timings file, read
// back and fitted.
// The same bytes are also read as a timings file and as an elements file.

#include "fields.h"

#include "elementsfile.h"
#include "elementsfit.h"
#include "minimumtiming.h"
#include "timingsfile.h"

#include <cmath>

using namespace timing;

namespace {

constexpr std::size_t kLargestInput = 4096;
constexpr std::size_t kConverted = 2;
constexpr std::size_t kTimed = 200;

bool has(std::string_view settings, std::string_view word)
{
    return settings.find(word) != std::string_view::npos;
}

void checkRead(const ObservationFile &file, std::string_view text, const std::string &context)
{
    long long lines = 1;
    for (const char c : text)
        lines += c == '\n' || c == '\r';
    long long previous = 0;
    for (const LineProblem &problem : file.problems) {
        FUZZ_CHECK(problem.line >= previous && problem.line >= 1 && problem.line <= lines, context);
        FUZZ_CHECK(!lineErrorText(problem.error).empty(), context);
        previous = problem.line;
    }
    FUZZ_CHECK((long long)(file.observations.size() + file.problems.size()) + file.fainterThan
                       + file.otherStars
                   <= lines,
               context);
    for (const Observation &o : file.observations) {
        FUZZ_CHECK(o.time >= kEarliestJd && o.time <= kLatestJd, context);
        FUZZ_CHECK(std::isfinite(o.value) && std::fabs(o.value) <= 1e6, context);
        FUZZ_CHECK(o.error >= 0 && o.error <= 1e6, context);
    }
}

void checkTiming(const EclipseTiming &timing, const Eclipse &eclipse,
                 const ephemeris::Elements &elements, double windowDays, const std::string &context)
{
    FUZZ_CHECK(timing.points == int(eclipse.points.size()) && timing.cycle == eclipse.cycle, context);
    FUZZ_CHECK(timing.method != Method::Auto, context);
    if (timing.untimed) {
        FUZZ_CHECK(!untimedText(*timing.untimed).empty(), context);
        return;
    }
    FUZZ_CHECK(timing.minimum > eclipse.points.front().time
                   && timing.minimum < eclipse.points.back().time,
               context);
    FUZZ_CHECK(std::fabs(timing.ocDays) <= windowDays * (1 + 1e-12), context);
    FUZZ_CHECK(std::fabs(timing.minimum - (elements.epoch + timing.cycle * elements.period)
                         - timing.ocDays)
                   < 1e-6,
               context);
    FUZZ_CHECK(std::isfinite(timing.errorDays) && timing.errorDays >= 0, context);
    FUZZ_CHECK(!timing.kvwErrorDays || *timing.kvwErrorDays >= 0, context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > kLargestInput)
        return 0;
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::string_view settings = input.substr(0, input.find('\n'));
    const std::string_view text = input.substr(std::min(settings.size() + 1, input.size()));
    const std::string context = fuzz::quoted(input);

    PlainColumns plain;
    plain.scale = has(settings, "hjd")   ? sky::DateScale::HeliocentricUtc
        : has(settings, "bjd")           ? sky::DateScale::BarycentricTdb
                                         : sky::DateScale::JulianDayUtc;
    plain.flux = has(settings, "flux");
    TimingOptions options;
    options.method = has(settings, "kvw") ? Method::KweeVanWoerden
        : has(settings, "template")       ? Method::Template
                                          : Method::Auto;
    options.folds = has(settings, "3") ? 3 : has(settings, "7") ? 7 : 5;
    if (has(settings, "noise"))
        options.noise = 0.02;
    const sky::ElementSet set = has(settings, "classic") ? sky::classicElements()
                                                         : sky::currentElements();
    const sky::DateScale scale = sky::dateScaleOf(set.reference);

    ObservationFile file = readObservations(text, "fuzz", plain);
    checkRead(file, text, context);

    for (std::size_t i = 0; i < std::min(kConverted, file.observations.size()); ++i) {
        const Observation &o = file.observations[i];
        const double converted = sky::convertDate(o.time, o.scale, scale);
        FUZZ_CHECK(std::fabs(converted - o.time) < 0.01, context); // ten minutes at most
        FUZZ_CHECK(std::fabs(sky::convertDate(converted, scale, o.scale) - o.time) < 1e-7, context);
    }

    file.observations.resize(std::min(kTimed, file.observations.size()));
    for (Observation &o : file.observations)
        o.scale = scale;
    std::vector<TimingRecord> records;
    std::size_t split = 0;
    for (const Eclipse &eclipse : splitIntoEclipses(file.observations, set.elements, options.windowHours)) {
        split += eclipse.points.size();
        const EclipseTiming timing = timeEclipse(eclipse, set.elements, file.flux, options);
        checkTiming(timing, eclipse, set.elements, options.windowHours / 24, context);
        if (!timing.untimed)
            records.push_back(recordOf(timing, scale, "current", "fuzz"));
    }
    FUZZ_CHECK(split <= file.observations.size(), context);

    const TimingsFile back = readTimings(timingsFileText(records));
    FUZZ_CHECK(back.problems.empty() && back.records.size() == records.size(), context);
    std::vector<TimingPoint> points;
    for (const TimingRecord &record : back.records)
        points.push_back({record.minimum, record.errorDays});
    const ElementsFit fit = fitElements(points, set, true);
    FUZZ_CHECK(fit.residuals.size() == points.size(), context);

    const TimingsFile timings = readTimings(input);
    for (const TimingRecord &record : timings.records)
        FUZZ_CHECK(record.errorDays > 0 && record.minimum >= kEarliestJd, context);
    const ElementsFile elements = readElementsFile(input);
    if (!elements.elements) {
        long long lines = 1;
        for (const char c : input)
            lines += c == '\n' || c == '\r';
        FUZZ_CHECK(elements.refusal.line <= lines && !refusalText(elements.refusal).empty(), context);
    } else {
        FUZZ_CHECK(elements.elements->kind == sky::ElementSetKind::Fitted, context);
        const ElementsFile again = readElementsFile(elementsFileText(*elements.elements));
        FUZZ_CHECK(again.elements
                       && std::fabs(again.elements->elements.period - elements.elements->elements.period)
                           <= 0.6e-10,
                   context);
    }
    return 0;
}
