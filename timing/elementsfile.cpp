#include "elementsfile.h"

#include "observations.h"
#include "textfields.h"
#include "timingsfile.h"

#include <array>
#include <cmath>

namespace timing {

namespace {

constexpr std::string_view kComment =
    "# Elements of Algol's primary minima, fitted by algol-minima fit: Min I = epoch + period * E.\n"
    "# epoch, period: days, with their standard errors and their correlation; scale: JD_UTC (seen\n"
    "# from the Earth's centre) or HJD_UTC (heliocentric); timings: how many were fitted, first and\n"
    "# last: the earliest and latest of them; rms_days: the scatter of their residuals, which no\n"
    "# linear elements remove.\n";

enum Key { Epoch, EpochError, Period, PeriodError, Correlation, Scale, Timings, First, Last, Rms,
           kKeys };
constexpr std::array<std::string_view, kKeys> kNames{
    "epoch", "epoch_error", "period", "period_error", "correlation", "scale", "timings", "first",
    "last", "rms_days",
};

struct Given
{
    std::string_view value;
    long long line = 0;
};

ElementsFile refused(ElementsError error, long long line, Key key)
{
    return {std::nullopt, {error, line, std::string(kNames[key])}};
}

} // namespace

std::string elementsFileText(const sky::ElementSet &fitted)
{
    const sky::FitStatistics &fit = fitted.fit;
    const std::pair<Key, std::string> values[] = {
        {Epoch, fixedDecimals(fitted.elements.epoch, 7)},
        {EpochError, fixedDecimals(fit.epochErrorDays, 7)},
        {Period, fixedDecimals(fitted.elements.period, 10)},
        {PeriodError, fixedDecimals(fit.periodErrorDays, 10)},
        {Correlation, fixedDecimals(fit.correlation, 6)},
        {Scale, std::string(scaleName(sky::dateScaleOf(fitted.reference)))},
        {Timings, std::to_string(fit.timings)},
        {First, fixedDecimals(fit.firstTiming, 7)},
        {Last, fixedDecimals(fit.lastTiming, 7)},
        {Rms, fixedDecimals(fit.rmsDays, 7)},
    };
    std::string text(kComment);
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
        return "not between 0.5 and 10 days";
    case ElementsError::Negative:
        return "negative";
    case ElementsError::CorrelationOutOfRange:
        return "not between -1 and 1";
    case ElementsError::NotACount:
        return "not a count";
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
                return refused(ElementsError::GivenTwice, number, Key(key));
            given[key] = Given{trimmed(line.substr(equals + 1)), number};
        }
    }

    std::array<double, kKeys> numbers{};
    for (int key = 0; key < kKeys; ++key) {
        const bool needed = key == Epoch || key == EpochError || key == Period
            || key == PeriodError || key == Scale;
        if (!given[key]) {
            if (needed)
                return refused(ElementsError::Missing, 0, Key(key));
            continue;
        }
        if (key == Scale)
            continue;
        const std::optional<double> value = parseNumber(given[key]->value);
        if (!value)
            return refused(ElementsError::NotANumber, given[key]->line, Key(key));
        numbers[key] = *value;
    }
    const auto check = [&](bool ok, ElementsError error, Key key) {
        return ok ? std::nullopt
                  : std::optional(refused(error, given[key] ? given[key]->line : 0, key));
    };
    sky::ElementSet fitted;
    fitted.kind = sky::ElementSetKind::Fitted;
    const bool heliocentric = equalsIgnoringCase(given[Scale]->value, "HJD_UTC");
    fitted.reference = heliocentric ? sky::TimeReference::Heliocentric
                                    : sky::TimeReference::Geocentric;
    for (const std::optional<ElementsFile> &refusal : {
             check(heliocentric || equalsIgnoringCase(given[Scale]->value, "JD_UTC"),
                   ElementsError::UnknownScale, Scale),
             check(numbers[Epoch] >= kEarliestJd && numbers[Epoch] <= kLatestJd,
                   ElementsError::DateOutOfRange, Epoch),
             check(numbers[First] == 0 || (numbers[First] >= kEarliestJd && numbers[First] <= kLatestJd),
                   ElementsError::DateOutOfRange, First),
             check(numbers[Last] == 0 || (numbers[Last] >= kEarliestJd && numbers[Last] <= kLatestJd),
                   ElementsError::DateOutOfRange, Last),
             check(numbers[Period] >= 0.5 && numbers[Period] <= 10,
                   ElementsError::PeriodOutOfRange, Period),
             check(numbers[EpochError] >= 0, ElementsError::Negative, EpochError),
             check(numbers[PeriodError] >= 0, ElementsError::Negative, PeriodError),
             check(numbers[Rms] >= 0, ElementsError::Negative, Rms),
             check(std::fabs(numbers[Correlation]) <= 1, ElementsError::CorrelationOutOfRange,
                   Correlation),
             check(numbers[Timings] >= 0 && numbers[Timings] < 1e9, ElementsError::NotACount,
                   Timings)}) {
        if (refusal)
            return *refusal;
    }

    fitted.elements = {numbers[Epoch], numbers[Period]};
    sky::FitStatistics &fit = fitted.fit;
    fit.epochErrorDays = numbers[EpochError];
    fit.periodErrorDays = numbers[PeriodError];
    fit.correlation = numbers[Correlation];
    fit.timings = int(numbers[Timings]);
    fit.firstTiming = numbers[First];
    fit.lastTiming = numbers[Last];
    fit.rmsDays = numbers[Rms];
    return {fitted, {}};
}

} // namespace timing
