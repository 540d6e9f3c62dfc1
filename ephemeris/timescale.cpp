#include "timescale.h"

#include "textconversions.h"
#include "timetypes.h"

namespace ephemeris {

std::optional<double> TimeScale::fromUniversal(double days) const
{
    if (kind == Kind::UnreadableOffset)
        return std::nullopt;
    return kind == Kind::Local ? days + offsetHours / kHoursPerDay : days;
}

std::optional<double> TimeScale::toUniversal(double days) const
{
    if (kind == Kind::UnreadableOffset)
        return std::nullopt;
    return kind == Kind::Local ? days - offsetHours / kHoursPerDay : days;
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
