#pragma once

#include "elements.h"
#include "regionalsettings.h"
#include "timetypes.h"

#include <optional>
#include <string>

namespace ephemeris {

// Years whose every minimum can be listed: from the epoch's year to the last year whose list
// cannot run past 31/12/9999.
inline constexpr int kFirstListYear = 1972;
inline constexpr int kLastListYear = 9998;

// The text of the yearly minima file: from firstMinimum on, minimum k = firstMinimum + k * period,
// one line per minimum while its UT date lies in the year or before it, each in the instant format
// followed by CR LF, shifted by offsetHours when given (local time), then one more CR LF.
// A line whose shifted instant cannot be shown is left empty.
std::string yearListText(JulianDay firstMinimum, int year, std::optional<double> offsetHours,
                         const RegionalSettings &regional, const Elements &elements = {});

} // namespace ephemeris
