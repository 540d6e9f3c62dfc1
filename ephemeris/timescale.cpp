#include "timescale.h"

#include "textconversions.h"
#include "timetypes.h"

namespace ephemeris {

std::optional<double> TimeScale::fromUniversal(double days) const
{
    switch (kind) {
    case Kind::Universal:
        return days;
    case Kind::Local:
        return days + offsetHours / kHoursPerDay;
    case Kind::UnreadableOffset:
        break;
    }
    return std::nullopt;
}

std::optional<double> TimeScale::toUniversal(double days) const
{
    switch (kind) {
    case Kind::Universal:
        return days;
    case Kind::Local:
        return days - offsetHours / kHoursPerDay;
    case Kind::UnreadableOffset:
        break;
    }
    return std::nullopt;
}

TimeScale timeScaleOf(bool localTime, std::string_view offsetText)
{
    if (!localTime)
        return {};
    const std::optional<double> offset = leadingNumber(offsetText);
    if (!offset)
        return {TimeScale::Kind::UnreadableOffset};
    return {TimeScale::Kind::Local, *offset};
}

} // namespace ephemeris
