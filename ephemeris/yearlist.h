#pragma once

#include "elements.h"
#include "regionalsettings.h"
#include "timescale.h"
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
// in the given time followed by CR LF, then one more CR LF.
// A line whose instant cannot be shown in that time is left empty.
std::string yearListText(JulianDay firstMinimum, int year, const TimeScale &scale,
                         const RegionalSettings &regional, const Elements &elements = {});

} // namespace ephemeris
