#include "positions.h"

#include "starcatalogue.h"
#include "timescales.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace sky {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Vector = std::array<double, 3>; // GCRS, astronomical units

// The one set-up per instant: ERFA's astrometry parameters for the site (no refraction), and the
// geocentric positions that go with them. UT1 - UTC and the polar motion are taken as 0.
struct ObserverAtInstant
{
    eraASTROM astrom;
    TwoPartDate tt;
    Vector sunGeocentric;
    Vector observerGeocentric;
};

// The Earth's orientation, equinox-based rather than CIO-based for speed: the matrix from the
// GCRS to the true equator and equinox of date (IAU 2006 precession, IAU 2000B nutation) and the
// apparent sidereal time, whose equation of the equinoxes leaves out its complementary terms
// (under 3 mas). Within 0.01" of eraXys00b with eraEra00 over 1900-2100 and 0.3" over 1000-3000,
// at two thirds of their cost: the CIO locator s is a series of its own.
struct Orientation
{
    double trueOfDate[3][3];
    double siderealTime;
};

Orientation orientationAt(double jdUtc, const TwoPartDate &tt)
{
    double precession[3][3];
    eraPmat06(tt.whole, tt.fraction, precession);
    double nutationInLongitude = 0;
    double nutationInObliquity = 0;
    eraNut00b(tt.whole, tt.fraction, &nutationInLongitude, &nutationInObliquity);
    const double meanObliquity = eraObl06(tt.whole, tt.fraction);
    double nutation[3][3];
    eraNumat(meanObliquity, nutationInLongitude, nutationInObliquity, nutation);
    Orientation orientation;
    eraRxr(nutation, precession, orientation.trueOfDate);
    orientation.siderealTime = eraGmst06(jdUtc, 0, tt.whole, tt.fraction)
        + nutationInLongitude * std::cos(meanObliquity);
    return orientation;
}

// What eraApco13 does, with the orientation above and the Earth given or from
// approximateEarthAt.
std::optional<ObserverAtInstant> observerAt(const Site &site, double jdUtc,
                                            const EarthState *knownEarth)
{
    if (!isValidSite(site))
        return std::nullopt;
    ObserverAtInstant observer;
    observer.tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(observer.tt.whole))
        return std::nullopt;
    const double tt1 = observer.tt.whole;
    const double tt2 = observer.tt.fraction;

    EarthState earth = knownEarth ? *knownEarth : approximateEarthAt(observer.tt);
    Orientation orientation = orientationAt(jdUtc, observer.tt);
    // eraApco is CIO-based: from the matrix's pole and the locator -eraEors(matrix, 0) it
    // rebuilds the matrix itself, and the sidereal time stands for the Earth rotation angle.
    double x = 0;
    double y = 0;
    eraBpn2xy(orientation.trueOfDate, &x, &y);
    eraApco(tt1, tt2, earth.barycentric, earth.heliocentric[0], x, y,
            -eraEors(orientation.trueOfDate, 0), orientation.siderealTime,
            site.longitudeDeg * ERFA_DD2R, site.latitudeDeg * ERFA_DD2R, site.heightM, 0, 0,
            eraSp00(tt1, tt2), 0, 0, &observer.astrom);

    for (int i = 0; i < 3; ++i) {
        observer.sunGeocentric[i] = -earth.heliocentric[0][i];
        observer.observerGeocentric[i] = observer.astrom.eb[i] - earth.barycentric[0][i];
    }
    return observer;
}

// From a direction on the true equator and equinox of date (the frame of observer.astrom).
Horizontal horizontalOfTrueOfDate(double ri, double di, ObserverAtInstant &observer)
{
    double azimuth = 0;
    double zenithDistance = 0;
    double hourAngle = 0;
    double declination = 0;
    double rightAscension = 0;
    eraAtioq(ri, di, &observer.astrom, &azimuth, &zenithDistance, &hourAngle, &declination,
             &rightAscension);
    double azimuthDeg = eraAnp(azimuth) * ERFA_DR2D;
    if (azimuthDeg >= 360)
        azimuthDeg -= 360;
    return {90 - zenithDistance * ERFA_DR2D, azimuthDeg};
}

// A body of the solar system from its geocentric GCRS position: seen from the site (the parallax
// matters for the Moon), turned to the true equator and equinox, then to the horizon. Light-time
// and annual aberration are left out: 20" for the Sun, less for the Moon.
Horizontal horizontalOfGeocentric(Vector geocentric, ObserverAtInstant &observer)
{
    Vector topocentric;
    eraPmp(geocentric.data(), observer.observerGeocentric.data(), topocentric.data());
    double trueOfDate[3];
    eraRxp(observer.astrom.bpn, topocentric.data(), trueOfDate);
    double ri = 0;
    double di = 0;
    eraC2s(trueOfDate, &ri, &di);
    return horizontalOfTrueOfDate(ri, di, observer);
}

// The star from its catalogue place, moved by its proper motion (and its parallax and radial
// velocity, where the catalogue gives them) to the instant.
Horizontal starIn(ObserverAtInstant &observer, const Star &star)
{
    const double declination = star.declinationDeg * ERFA_DD2R;
    // eraAtciq wants the proper motion in right ascension itself, not times cos(delta).
    const double properMotionRa =
        star.properMotionRaCosDecMasPerYear * ERFA_DMAS2R / std::cos(declination);
    double ri = 0;
    double di = 0;
    eraAtciq(star.rightAscensionDeg * ERFA_DD2R, declination, properMotionRa,
             star.properMotionDecMasPerYear * ERFA_DMAS2R, star.parallaxMas.value_or(0) / 1000.0,
             star.radialVelocityKmPerS.value_or(0), &observer.astrom, &ri, &di);
    return horizontalOfTrueOfDate(ri, di, observer);
}

Vector moonGeocentric(const TwoPartDate &tt)
{
    double moon[2][3];
    eraMoon98(tt.whole, tt.fraction, moon);
    return {moon[0][0], moon[0][1], moon[0][2]};
}

// Meeus, Astronomical Algorithms, ch. 48: k = (1 + cos i) / 2, i the phase angle Sun-Moon-Earth.
double illuminatedFraction(const Vector &sunGeocentric, const Vector &moonGeocentric)
{
    Vector moonToEarth;
    Vector moonToSun;
    for (int i = 0; i < 3; ++i) {
        moonToEarth[i] = -moonGeocentric[i];
        moonToSun[i] = sunGeocentric[i] - moonGeocentric[i];
    }
    const double cosPhaseAngle = eraPdp(moonToEarth.data(), moonToSun.data())
        / (eraPm(moonToEarth.data()) * eraPm(moonToSun.data()));
    return (1 + cosPhaseAngle) / 2;
}

Horizontal undefinedHorizontal()
{
    return {kNaN, kNaN};
}

} // namespace

namespace {

SkyAtInstant skyWith(const Site &site, double jdUtc, const EarthState *earth, const Star &star,
                     const MoonWhen &moonWhen)
{
    std::optional<ObserverAtInstant> observer = observerAt(site, jdUtc, earth);
    if (!observer)
        return {undefinedHorizontal(), undefinedHorizontal(), undefinedHorizontal(), kNaN};
    SkyAtInstant sky{starIn(*observer, star), horizontalOfGeocentric(observer->sunGeocentric, *observer),
                     undefinedHorizontal(), kNaN};
    if (sky.algol.altitudeDeg >= moonWhen.starAtLeastDeg && sky.sun.altitudeDeg <= moonWhen.sunAtMostDeg) {
        const Vector moon = moonGeocentric(observer->tt);
        sky.moon = horizontalOfGeocentric(moon, *observer);
        sky.moonIlluminatedFraction = illuminatedFraction(observer->sunGeocentric, moon);
    }
    return sky;
}

} // namespace

SkyAtInstant skyAt(const Site &site, double jdUtc, const Star &star)
{
    return skyWith(site, jdUtc, nullptr, star, {});
}

SkyAtInstant skyAt(const Site &site, double jdUtc, const EarthState &earth, const Star &star,
                   const MoonWhen &moonWhen)
{
    return skyWith(site, jdUtc, &earth, star, moonWhen);
}

Horizontal starHorizontal(const Site &site, double jdUtc, const Star &star)
{
    std::optional<ObserverAtInstant> observer = observerAt(site, jdUtc, nullptr);
    return observer ? starIn(*observer, star) : undefinedHorizontal();
}

double sunAltitudeDeg(const Site &site, double jdUtc)
{
    std::optional<ObserverAtInstant> observer = observerAt(site, jdUtc, nullptr);
    return observer ? horizontalOfGeocentric(observer->sunGeocentric, *observer).altitudeDeg
                    : kNaN;
}

Horizontal moonHorizontal(const Site &site, double jdUtc)
{
    std::optional<ObserverAtInstant> observer = observerAt(site, jdUtc, nullptr);
    if (!observer)
        return undefinedHorizontal();
    return horizontalOfGeocentric(moonGeocentric(observer->tt), *observer);
}

double moonIlluminatedFraction(double jdUtc)
{
    const TwoPartDate tt = terrestrialTimeFromUtc(jdUtc);
    if (std::isnan(tt.whole))
        return kNaN;
    const EarthState earth = approximateEarthAt(tt);
    const Vector sun = {-earth.heliocentric[0][0], -earth.heliocentric[0][1], -earth.heliocentric[0][2]};
    return illuminatedFraction(sun, moonGeocentric(tt));
}

// 90 - |latitude - declination|, with the star's J2000 declination: precession moves it by at
// most about 0.2 degree in 30 years, nothing against the altitudes an observer asks for.
double highestAltitudeDeg(const Site &site, const Star &star)
{
    if (!std::isfinite(site.latitudeDeg) || std::fabs(site.latitudeDeg) > 90)
        return kNaN;
    return 90 - std::fabs(site.latitudeDeg - star.declinationDeg);
}

} // namespace sky
