#pragma once

namespace sky {

// An observing site on the WGS84 ellipsoid: latitude north positive, longitude east positive,
// height above the ellipsoid.
struct Site
{
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double heightM = 0;
};

} // namespace sky
