#pragma once

// The words and numbers that more than one output format shows: how the elements, the site, a
// minimum's visibility and an empty list are described, and numbers rounded as printed.

#include "report.h"

#include <QLocale>
#include <QString>

namespace listing {

// The shortest decimal text that reads back as the same double, "." as separator.
QString shortest(double value);
// A number rounded to a fixed count of decimals, "." as separator, never "-0.0".
QString fixedNumber(double value, int decimals);
// The same in the user's regional format.
QString fixedNumber(double value, int decimals, const QLocale &locale);

// An azimuth in [0, 360) once rounded to 0.1 degree: 359.96 is shown as 0.0, not 360.0.
double azimuthForDisplay(double azimuthDeg);

// "E", or "(E - 2139)" and "(E + 4858)" for elements whose epoch is not E = 0: the cycles from
// their epoch, E numbered as every list numbers it (sky::cycleReference() of their star).
QString cycleTerm(const sky::ElementSet &set);
// "current (O-C gateway), Min I = HJD 2455528.105 + 2.867326 E"; for another star's catalogue
// elements "catalogue (their source), ..."; for fitted elements also the timings they rest on, and
// that their scatter is unknown when those are one or two.
QString elementsDescription(const sky::ElementSet &set);

// Whether a listing names the star of its minima (a star column, the star in its texts): it is of
// another star than Algol, or of every star. Algol's own listings keep their words.
bool namesStars(const Request &request);
// Whether secondary minima may be among its rows (a P/S column).
bool mayListSecondaries(const Request &request);
// A star as the listings name it: its designation, "λ Tau".
QString starLabel(const sky::Star &star);
// What the listing is of, for its titles: the star, or "18 eclipsing binaries".
QString listedStars(const Request &request);
// Where a star's elements have no published uncertainty, what is known of them: "elements of
// 2018" (the year of their source), or "unknown".
QString unpublishedUncertainty(const sky::Star &star);
// The length of a star's watch window in hours as the listings write it: "6", "8.9", "12".
QString watchWindowText(const sky::Star &star, const QLocale &locale);
// "48.85° N, 2.35° E, 35 m".
QString siteDescription(const sky::Site &site, const QLocale &locale);
// "Algol too low", "sky too bright", both joined; empty when the minimum is observable. In a
// listing that names its stars, the minimum's star: "λ Tau too low".
QString hindranceText(const sky::PredictedMinimum &minimum, bool namingStars = false);
// Why nothing is listed, as a sentence; empty when something is.
QString emptyListSentence(const Report &report, const QLocale &locale);
// The warning that the elements are used outside the years they were made for.
QString extrapolationWarning();

// A stable name for the elements, for identifiers: "current", "classic", or the custom numbers.
QString elementsKey(const sky::ElementSet &set);
// The elements as a timings file names them and --elements reads them again: "current",
// "classic", or "EPOCH:PERIOD:hjd" ("...:jd") for any other set, fitted ones too.
QString elementsName(const sky::ElementSet &set);

} // namespace listing
