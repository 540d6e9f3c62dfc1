#pragma once

// The stars that visual observers compare a variable with, chosen from the Bright Star Catalogue
// extract of tools/data/bright-stars.txt (the northern sky, down to magnitude 5.0): within
// kComparisonRadiusDeg of the variable, spanning its range from 0.3 magnitude brighter than its
// maximum to 0.5 fainter than its primary minimum as the catalogue gives magnitudes, to a tenth
// (for Algol, 2.12 to 3.39, the tenths 1.8 to 3.9); neither the variable nor another variable (the
// eclipsing binaries of sky/starcatalogue.h, and rho Persei, 3.3 to 4.0 in the GCVS); of the stars
// of each tenth of magnitude, the one nearest the variable. A star fainter than the extract reaches
// gets the few that its range shares with it, or none (from HU Tau at 5.85 on): its comparison
// stars are on an AAVSO chart, which the program does not carry.

#include <QByteArray>
#include <QList>
#include <QString>

namespace sky {
struct Star;
}

namespace planner {

inline constexpr double kComparisonRadiusDeg = 20;

struct ComparisonStar
{
    int hr = 0;           // Bright Star Catalogue number
    QString label;        // "δ Per", "41 Ari"
    double magnitude = 0; // V, as catalogued
    double distanceDeg = 0; // from the variable
};

// The variable's comparison stars from the catalogue's text (its format: HR, RA hours, Dec degrees,
// V, Flamsteed, Bayer, constellation); brightest first. Lines that do not read are left out.
QList<ComparisonStar> comparisonStars(const QByteArray &catalogue, const sky::Star &variable);

// The same from the copy carried by the program; Algol's when no star is given.
QList<ComparisonStar> comparisonStars();
QList<ComparisonStar> comparisonStars(const sky::Star &variable);

} // namespace planner
