#include "elementsfile.h"

#include "textfields.h"

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

ElementsFile refused(std::string reason)
{
    return {std::nullopt, std::move(reason)};
}

} // namespace

std::string elementsFileText(const FittedElements &fitted)
{
    const std::pair<Key, std::string> values[] = {
        {Epoch, fixedDecimals(fitted.elements.epoch, 7)},
        {EpochError, fixedDecimals(fitted.epochErrorDays, 7)},
        {Period, fixedDecimals(fitted.elements.period, 10)},
        {PeriodError, fixedDecimals(fitted.periodErrorDays, 10)},
        {Correlation, fixedDecimals(fitted.correlation, 6)},
        {Scale, std::string(scaleName(sky::dateScaleOf(fitted.reference)))},
        {Timings, std::to_string(fitted.timings)},
        {First, fixedDecimals(fitted.firstTiming, 7)},
        {Last, fixedDecimals(fitted.lastTiming, 7)},
        {Rms, fixedDecimals(fitted.rmsDays, 7)},
    };
    std::string text(kComment);
    for (const auto &[key, value] : values)
        text += std::string(kNames[key]) + " = " + value + '\n';
    return text;
}

ElementsFile readElementsFile(std::string_view text)
{
    std::array<std::optional<std::string_view>, kKeys> given;
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return refused(where + "not a comment or key = value");
        const std::string_view name = trimmed(line.substr(0, equals));
        for (int key = 0; key < kKeys; ++key) {
            if (!equalsIgnoringCase(name, kNames[key]))
                continue;
            if (given[key])
                return refused(where + std::string(kNames[key]) + " is given twice");
            given[key] = trimmed(line.substr(equals + 1));
        }
    }

    std::array<double, kKeys> numbers{};
    for (int key = 0; key < kKeys; ++key) {
        if (key == Scale)
            continue;
        const bool needed = key == Epoch || key == EpochError || key == Period || key == PeriodError;
        if (!given[key]) {
            if (needed)
                return refused("no " + std::string(kNames[key]));
            continue;
        }
        const std::optional<double> value = parseNumber(*given[key]);
        if (!value)
            return refused(std::string(kNames[key]) + " is not a number");
        numbers[key] = *value;
    }
    if (!given[Scale])
        return refused("no scale");
    FittedElements fitted;
    if (equalsIgnoringCase(*given[Scale], "HJD_UTC"))
        fitted.reference = sky::TimeReference::Heliocentric;
    else if (equalsIgnoringCase(*given[Scale], "JD_UTC"))
        fitted.reference = sky::TimeReference::Geocentric;
    else
        return refused("the scale is not JD_UTC or HJD_UTC");
    if (!(numbers[Epoch] >= kEarliestJd && numbers[Epoch] <= kLatestJd))
        return refused("the epoch is not between JD 2000000 and 2600000");
    if (!(numbers[Period] >= 0.5 && numbers[Period] <= 10))
        return refused("the period is not between 0.5 and 10 days");
    if (numbers[EpochError] < 0 || numbers[PeriodError] < 0 || numbers[Rms] < 0)
        return refused("an error is negative");
    if (std::fabs(numbers[Correlation]) > 1)
        return refused("the correlation is not between -1 and 1");
    if (!(numbers[Timings] >= 0 && numbers[Timings] < 1e9))
        return refused("the number of timings is not a count");

    fitted.elements = {numbers[Epoch], numbers[Period]};
    fitted.epochErrorDays = numbers[EpochError];
    fitted.periodErrorDays = numbers[PeriodError];
    fitted.correlation = numbers[Correlation];
    fitted.timings = int(numbers[Timings]);
    fitted.firstTiming = numbers[First];
    fitted.lastTiming = numbers[Last];
    fitted.rmsDays = numbers[Rms];
    return {fitted, {}};
}

} // namespace timing
