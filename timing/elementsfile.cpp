#include "elementsfile.h"

#include "observations.h"
#include "starcatalogue.h"
#include "textfields.h"
#include "timingsfile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace timing {

namespace {

constexpr std::string_view kComment =
    "# Elements of Algol's primary minima, fitted by algol-minima fit:\n"
    "# Min I = epoch + period * (E - epoch_cycle).\n"
    "# epoch, period: days, with their standard errors and their correlation; epoch_cycle: E of the\n"
    "# epoch, counted from the current elements' epoch (HJD 2455528.105, period 2.867326) as every\n"
    "# list counts it; scale: JD_UTC (seen from the Earth's centre) or HJD_UTC (heliocentric);\n"
    "# timings: how many were fitted, first and last: the earliest and latest of them; rms_days:\n"
    "# the scatter of their residuals, which no linear elements remove (left out below three\n"
    "# timings: unknown).\n";

// Another star's: its name in the first line, its catalogue elements in the fourth.
constexpr std::string_view kStarComment =
    "# Elements of the primary minima of %1, fitted by algol-minima fit:\n"
    "# Min I = epoch + period * (E - epoch_cycle).\n"
    "# epoch, period: days, with their standard errors and their correlation; epoch_cycle: E of the\n"
    "# epoch, counted from the epoch of the star's elements in the program's catalogue (HJD %2,\n"
    "# period %3) as every list counts it; scale: JD_UTC (seen from the Earth's centre) or HJD_UTC\n"
    "# (heliocentric); timings: how many were fitted, first and last: the earliest and latest of\n"
    "# them; rms_days: the scatter of their residuals, which no linear elements remove (left out\n"
    "# below three timings: unknown); star: its AAVSO name.\n";

enum Key { Epoch, EpochCycle, EpochError, Period, PeriodError, Correlation, Scale, Timings, First,
           Last, Rms, StarName, kKeys };
constexpr std::array<std::string_view, kKeys> kNames{
    "epoch", "epoch_cycle", "epoch_error", "period", "period_error", "correlation", "scale",
    "timings", "first", "last", "rms_days", "star",
};

// The text with %1, %2 and %3 replaced.
std::string filledIn(std::string_view text, const std::array<std::string, 3> &values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '3') {
            filled += values[std::size_t(text[i + 1] - '1')];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

// The shortest text of a number that reads back as itself.
std::string shortestText(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

struct Given
{
    std::string_view value;
    long long line = 0;
};

ElementsRefusal refusal(ElementsError error, Key key)
{
    return {error, 0, std::string(kNames[key])};
}

bool isDate(double value)
{
    return value >= kEarliestJd && value <= kLatestJd;
}

} // namespace

std::string elementsFileText(const sky::ElementSet &fitted)
{
    const sky::FitStatistics &fit = fitted.fit;
    std::vector<std::pair<Key, std::string>> values = {
        {Epoch, fixedDecimals(fitted.elements.epoch, 7)},
        {EpochCycle, std::to_string(fitted.epochCycle)},
        {EpochError, fixedDecimals(fit.epochErrorDays, 7)},
        {Period, fixedDecimals(fitted.elements.period, 10)},
        {PeriodError, fixedDecimals(fit.periodErrorDays, 10)},
        {Correlation, fixedDecimals(fit.correlation, 6)},
        {Scale, std::string(scaleName(sky::dateScaleOf(fitted.reference)))},
        {Timings, std::to_string(fit.timings)},
        {First, fixedDecimals(fit.firstTiming, 7)},
        {Last, fixedDecimals(fit.lastTiming, 7)},
    };
    if (fit.rmsDays)
        values.emplace_back(Rms, fixedDecimals(*fit.rmsDays, 7));
    const sky::Star &star = *fitted.star;
    const bool algol = &star == &sky::algolStar();
    if (!algol)
        values.emplace_back(StarName, star.aavsoName);
    std::string text = algol ? std::string(kComment)
                             : filledIn(kStarComment, {star.designation + " (" + star.aavsoName + ")",
                                                       shortestText(star.elements.epoch),
                                                       shortestText(star.elements.period)});
    for (const auto &[key, value] : values)
        text += std::string(kNames[key]) + " = " + value + '\n';
    return text;
}

std::string_view elementsErrorText(ElementsError error)
{
    switch (error) {
    case ElementsError::NotKeyValue:
        return "not a comment or key = value";
    case ElementsError::GivenTwice:
        return "given twice";
    case ElementsError::Missing:
        return "missing";
    case ElementsError::NotANumber:
        return "not a number";
    case ElementsError::UnknownScale:
        return "not JD_UTC or HJD_UTC";
    case ElementsError::DateOutOfRange:
        return "not between JD 2000000 and 2600000";
    case ElementsError::PeriodOutOfRange:
        return "not between 0.5 and 20 days";
    case ElementsError::Negative:
        return "negative";
    case ElementsError::CorrelationOutOfRange:
        return "not between -1 and 1";
    case ElementsError::NotACount:
        return "not a count";
    case ElementsError::QuarterPeriodOrMore:
        return "a quarter of the period or more, which no longer tells one cycle from the next";
    case ElementsError::NotACycle:
        return "not a whole number from -1200000 to 1200000";
    case ElementsError::UnknownStar:
        return "not a star of the catalogue (algol-minima --stars)";
    }
    return {};
}

std::string refusalText(const ElementsRefusal &refusal)
{
    std::string text;
    if (refusal.line > 0)
        text += "line " + std::to_string(refusal.line) + ": ";
    if (!refusal.key.empty())
        text += refusal.key + ": ";
    return text + std::string(elementsErrorText(refusal.error));
}

std::optional<ElementsRefusal> refusalOf(const sky::ElementSet &fitted)
{
    const sky::FitStatistics &fit = fitted.fit;
    const double period = fitted.elements.period;
    // Finite and within the bounds, NaN failing every comparison.
    const auto error = [&](double value, Key key) -> std::optional<ElementsRefusal> {
        if (!std::isfinite(value))
            return refusal(ElementsError::NotANumber, key);
        if (value < 0)
            return refusal(ElementsError::Negative, key);
        if (!(value < kLargestErrorInPeriods * period))
            return refusal(ElementsError::QuarterPeriodOrMore, key);
        return std::nullopt;
    };
    const auto date = [&](double value, Key key, bool zeroAllowed) -> std::optional<ElementsRefusal> {
        if (!std::isfinite(value))
            return refusal(ElementsError::NotANumber, key);
        if (!isDate(value) && !(zeroAllowed && value == 0))
            return refusal(ElementsError::DateOutOfRange, key);
        return std::nullopt;
    };
    if (auto refused = date(fitted.elements.epoch, Epoch, false))
        return refused;
    if (fitted.epochCycle < -kLargestEpochCycle || fitted.epochCycle > kLargestEpochCycle)
        return refusal(ElementsError::NotACycle, EpochCycle);
    if (!std::isfinite(period))
        return refusal(ElementsError::NotANumber, Period);
    if (!(period >= 0.5 && period <= 20))
        return refusal(ElementsError::PeriodOutOfRange, Period);
    for (const auto &refused : {error(fit.epochErrorDays, EpochError),
                                error(fit.periodErrorDays, PeriodError),
                                fit.rmsDays ? error(*fit.rmsDays, Rms) : std::nullopt,
                                date(fit.firstTiming, First, true), date(fit.lastTiming, Last, true)}) {
        if (refused)
            return refused;
    }
    if (!std::isfinite(fit.correlation))
        return refusal(ElementsError::NotANumber, Correlation);
    if (!(std::fabs(fit.correlation) <= 1))
        return refusal(ElementsError::CorrelationOutOfRange, Correlation);
    if (fit.timings < 0)
        return refusal(ElementsError::NotACount, Timings);
    return std::nullopt;
}

ElementsFile readElementsFile(std::string_view text)
{
    std::array<std::optional<Given>, kKeys> given;
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return {std::nullopt, {ElementsError::NotKeyValue, number, {}}};
        const std::string_view name = trimmed(line.substr(0, equals));
        for (int key = 0; key < kKeys; ++key) {
            if (!equalsIgnoringCase(name, kNames[key]))
                continue;
            if (given[key])
                return {std::nullopt, {ElementsError::GivenTwice, number, std::string(kNames[key])}};
            given[key] = Given{trimmed(line.substr(equals + 1)), number};
        }
    }
    // The refusal at the line of its key.
    const auto refused = [&](ElementsRefusal refusal) {
        for (int key = 0; key < kKeys; ++key) {
            if (refusal.key == kNames[key] && given[key])
                refusal.line = given[key]->line;
        }
        return ElementsFile{std::nullopt, refusal};
    };

    std::array<double, kKeys> numbers{};
    for (int key = 0; key < kKeys; ++key) {
        const bool needed = key == Epoch || key == EpochError || key == Period
            || key == PeriodError || key == Scale;
        if (!given[key]) {
            if (needed)
                return refused(refusal(ElementsError::Missing, Key(key)));
            continue;
        }
        if (key == Scale || key == StarName)
            continue;
        const std::optional<double> value = parseNumber(given[key]->value);
        if (!value)
            return refused(refusal(ElementsError::NotANumber, Key(key)));
        numbers[key] = *value;
    }
    const bool heliocentric = equalsIgnoringCase(given[Scale]->value, "HJD_UTC");
    if (!heliocentric && !equalsIgnoringCase(given[Scale]->value, "JD_UTC"))
        return refused(refusal(ElementsError::UnknownScale, Scale));
    const double cycle = numbers[EpochCycle];
    if (std::trunc(cycle) != cycle || !(std::fabs(cycle) <= double(kLargestEpochCycle)))
        return refused(refusal(ElementsError::NotACycle, EpochCycle));
    if (!(numbers[Timings] >= 0 && numbers[Timings] < 1e9))
        return refused(refusal(ElementsError::NotACount, Timings));

    sky::ElementSet fitted;
    if (given[StarName]) {
        fitted.star = sky::findStar(given[StarName]->value);
        if (!fitted.star)
            return refused(refusal(ElementsError::UnknownStar, StarName));
    }
    fitted.kind = sky::ElementSetKind::Fitted;
    fitted.reference = heliocentric ? sky::TimeReference::Heliocentric
                                    : sky::TimeReference::Geocentric;
    fitted.elements = {numbers[Epoch], numbers[Period]};
    sky::FitStatistics &fit = fitted.fit;
    fit.epochErrorDays = numbers[EpochError];
    fit.periodErrorDays = numbers[PeriodError];
    fit.correlation = numbers[Correlation];
    fit.timings = int(numbers[Timings]);
    fit.firstTiming = numbers[First];
    fit.lastTiming = numbers[Last];
    if (given[Rms] && !(fit.timings > 0 && fit.timings < sky::kFewestTimingsForScatter))
        fit.rmsDays = numbers[Rms];
    // A file of an older fit: its epoch's cycle as the epoch's nearest minimum (once it is a date).
    if (given[EpochCycle])
        fitted.epochCycle = (long long)cycle;
    else if (isDate(fitted.elements.epoch))
        fitted.epochCycle = sky::referenceCycleOf(fitted.elements.epoch, fitted.reference, *fitted.star);
    if (const std::optional<ElementsRefusal> refusal = refusalOf(fitted))
        return refused(*refusal);
    return {fitted, {}};
}

} // namespace timing
