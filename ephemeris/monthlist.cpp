#include "monthlist.h"

#include "minima.h"

namespace ephemeris {

std::optional<JulianDay> monthListStart(JulianDay instant, int dayOfMonth,
                                        const Elements &elements)
{
    return stepMinimum(elements.epoch, elements.period, instant - dayOfMonth);
}

} // namespace ephemeris
