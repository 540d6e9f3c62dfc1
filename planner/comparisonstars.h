#pragma once

// The stars that visual observers compare Algol with, chosen from the Bright Star Catalogue
// extract of tools/data/bright-stars.txt: within kComparisonRadiusDeg of Algol, of magnitude 1.8
// to 3.9 as the catalogue gives it to a tenth, neither Algol nor rho Persei (itself a variable,
// 3.3 to 4.0 in the GCVS); of the stars of each tenth of magnitude, the one nearest Algol.

#include <QByteArray>
#include <QList>
#include <QString>

namespace planner {

inline constexpr double kComparisonRadiusDeg = 20;

struct ComparisonStar
{
    int hr = 0;           // Bright Star Catalogue number
    QString label;        // "δ Per", "41 Ari"
    double magnitude = 0; // V, as catalogued
    double distanceDeg = 0;
};

// From the catalogue's text (its format: HR, RA hours, Dec degrees, V, Flamsteed, Bayer,
// constellation); brightest first. Lines that do not read are left out.
QList<ComparisonStar> comparisonStars(const QByteArray &catalogue);

// The same from the copy carried by the program.
QList<ComparisonStar> comparisonStars();

} // namespace planner
