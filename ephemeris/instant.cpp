#include "instant.h"

#include <cmath>

namespace ephemeris {

namespace {

std::optional<JulianDay> finiteOrEmpty(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<JulianDay> composeInstant(long long dayNumber, double hours, double minutes,
                                        double seconds, const TimeScale &scale)
{
    // One operation at a time, left to right: the instant must come out with the same bits as
    // the program has always written into the Julian Day field.
    double instant = static_cast<double>(dayNumber) + kJulianDayOffset;
    instant = instant + hours / kHoursPerDay;
    instant = instant + minutes / kMinutesPerDay;
    instant = instant + seconds / kSecondsPerDay;
    return finiteOrEmpty(scale.toUniversal(instant));
}

std::optional<JulianDay> composeInstantAt(long long dayNumber, float timeOfDay,
                                          const TimeScale &scale)
{
    double instant = static_cast<double>(dayNumber) + kJulianDayOffset;
    instant = instant + static_cast<double>(timeOfDay);
    return finiteOrEmpty(scale.toUniversal(instant));
}

} // namespace ephemeris
