#pragma once

#include <optional>
#include <string_view>

namespace ephemeris {

// The time that the date and time fields and every shown minimum are in: UT, or local time when
// "local time" is ticked, local time being UT + the offset in hours. An offset whose leading
// number lies beyond the double range cannot be read: nothing can then be turned into UT or shown
// in local time.
struct TimeScale
{
    enum class Kind { Universal, Local, UnreadableOffset };

    Kind kind = Kind::Universal;
    double offsetHours = 0; // for Kind::Local only

    // Days in UT (a Julian Day or a SerialDate) as shown in this time: + offset / 24 in local time.
    // Empty when the offset cannot be read.
    std::optional<double> fromUniversal(double days) const;
    // Days in this time turned into UT: - offset / 24 in local time. Empty when the offset cannot
    // be read.
    std::optional<double> toUniversal(double days) const;
};

// The one rule: UT unless local time is ticked, otherwise local time with the leading number of
// the offset's text.
TimeScale timeScaleOf(bool localTime, std::string_view offsetText);

} // namespace ephemeris
