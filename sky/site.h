#pragma once

#include <cmath>

namespace sky {

// An observing site on the WGS84 ellipsoid: latitude north positive, longitude east positive,
// height above the ellipsoid.
struct Site
{
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double heightM = 0;
};

// Whether the site's numbers describe a place: all finite, the latitude within +-90 degrees.
inline bool isValidSite(const Site &site)
{
    return std::isfinite(site.latitudeDeg) && std::fabs(site.latitudeDeg) <= 90
        && std::isfinite(site.longitudeDeg) && std::isfinite(site.heightM);
}

} // namespace sky
