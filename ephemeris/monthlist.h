#pragma once

#include "elements.h"
#include "timetypes.h"

#include <optional>

namespace ephemeris {

// The month list holds eleven successive minima, spanning ten periods.
inline constexpr int kMonthListLength = 11;

// The first minimum of the month list: stepping from the epoch while the minimum is at or before
// the instant moved back by the day of the month (the same time of day on the last day of the
// previous month), so the list starts with the first minimum after that moment. Empty when the
// stepping could not end.
std::optional<JulianDay> monthListStart(JulianDay instant, int dayOfMonth,
                                        const Elements &elements = {});

// Minimum k of the list: one multiplication and one addition, never accumulated.
inline JulianDay monthListMinimum(JulianDay start, int k, const Elements &elements = {})
{
    return start + k * elements.period;
}

} // namespace ephemeris
