#pragma once

#include <string>

namespace ephemeris {

// The parts of the user's regional settings that the conversions use. Separators are UTF-8 text.
struct RegionalSettings
{
    std::string decimalSeparator = ",";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";

    static RegionalSettings french() { return {",", "/", ":"}; }
    static RegionalSettings english() { return {".", "/", ":"}; }
};

} // namespace ephemeris
