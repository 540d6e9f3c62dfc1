#include "yearlist.h"

#include "calendar.h"
#include "textconversions.h"

#include <cmath>

namespace ephemeris {

namespace {

int yearOf(SerialDate date)
{
    return civilDateOf(static_cast<long long>(std::floor(date))).year;
}

} // namespace

std::string yearListText(JulianDay firstMinimum, int year, const TimeScale &scale,
                         const RegionalSettings &regional, const Elements &elements)
{
    std::string text;
    for (long long k = 0;; ++k) {
        const double minimum = firstMinimum + k * elements.period;
        const SerialDate date = minimum - kJulianDayOffset;
        if (!std::isfinite(date) || date > kLastSerialDay + 1 || yearOf(date) > year)
            break;
        if (const auto shown = scale.fromUniversal(date)) {
            if (const auto line = formatInstant(*shown, regional))
                text += *line;
        }
        text += "\r\n";
    }
    text += "\r\n";
    return text;
}

} // namespace ephemeris
