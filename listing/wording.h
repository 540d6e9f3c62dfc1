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
// their epoch, E numbered as every list numbers it (sky::cycleReference()).
QString cycleTerm(const sky::ElementSet &set);
// "current (O-C gateway), Min I = HJD 2455528.105 + 2.867326 E"; for fitted elements also the
// timings they rest on, and that their scatter is unknown when those are one or two.
QString elementsDescription(const sky::ElementSet &set);
// "48.85° N, 2.35° E, 35 m".
QString siteDescription(const sky::Site &site, const QLocale &locale);
// "Algol too low", "sky too bright", both joined; empty when the minimum is observable.
QString hindranceText(const sky::PredictedMinimum &minimum);
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
