#pragma once

// The bright eclipsing binaries the program knows (sky/data/eclipsing-binaries.txt, compiled in):
// names, place, brightness, eclipse duration and elements, and the lookup of a star by any of its
// names.

#include "elements.h"
#include "elementsets.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

struct Star
{
    std::string designation; // Bayer or GCVS: "β Per", "RZ Cas"
    std::string aavsoName;   // "BET PER"
    std::vector<std::string> otherNames; // "Algol", "26 Per"
    int hr = 0; // 0 where the star has no such number
    int hd = 0;
    int hip = 0;
    // ICRS, epoch J2000; the proper motion is mu_alpha * cos(delta) and mu_delta.
    double rightAscensionDeg = 0;
    double declinationDeg = 0;
    double properMotionRaCosDecMasPerYear = 0;
    double properMotionDecMasPerYear = 0;
    std::optional<double> parallaxMas;
    std::optional<double> radialVelocityKmPerS;
    // V magnitudes; no secondary minimum where the catalogue gives none.
    double maximumMagnitude = 0;
    double primaryMinimumMagnitude = 0;
    std::optional<double> secondaryMinimumMagnitude;
    // Where the secondary minimum falls, as a fraction of the period after the primary: 0.5 for a
    // circular orbit; none where there is no secondary or its phase changes (an eccentric orbit
    // that turns).
    std::optional<double> secondaryPhase;
    // D: the primary eclipse from first to last contact; none for a star without a flat maximum.
    std::optional<double> primaryEclipseHours;
    ephemeris::Elements elements;
    TimeReference reference = TimeReference::Heliocentric;
    std::string elementsSource; // "O-C gateway, linear elements valid to 2018-07"
    // None of the catalogue's sources publishes one: a prediction can only say whose elements it
    // used, not how far off it may be.
    bool uncertaintyPublished = false;
    std::string note;
};

// The stars of a catalogue text (comment lines start with "#", fields separated by "|"); empty,
// with "line N: why" in *error, when a line is malformed.
std::vector<Star> parseStarCatalogue(std::string_view text, std::string *error);

// The compiled-in catalogue, parsed once on first use (safely from any thread).
const std::vector<Star> &starCatalogue();

// A name reduced for comparison: ASCII lower case, without blanks, dots, dashes or underscores;
// Greek letters (β, Β, beta) and the constellations' genitives of the catalogue (Persei) as their
// three-letter abbreviations. A one-letter designation keeps its letter's case: u Her (a Bayer
// letter) is not U Her (a Mira).
std::string starNameKey(std::string_view name);

// The catalogue's star of that name (designation, AAVSO name, other name, "HR 936", "HD 19356",
// "HIP 14576"), in any spelling starNameKey equates; none when no star has it.
const Star *findStar(std::string_view name);

// The phase of the star's secondary minimum when it is worth listing: deeper than
// kShallowestListedSecondary below the maximum and at a known phase; empty otherwise.
inline constexpr double kShallowestListedSecondary = 0.1; // magnitudes
std::optional<double> listedSecondaryPhase(const Star &star);

// The year of the star's elements as their source names it ("valid to 2018-07", "Samus et al.
// 2017"): the first four digits in it that make a year from 1800 to 2100; empty when none do.
std::optional<int> elementsYear(const Star &star);

// Up to count stars whose names are nearest to an unknown name (edit distance on the keys, at most
// a third of the name's length, and at least 1), nearest first: for "did you mean β Per?".
std::vector<const Star *> nearestStars(std::string_view name, std::size_t count = 3);

} // namespace sky
