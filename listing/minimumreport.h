#pragma once

// A time of minimum as one line, the form in which observers send their timings to the
// associations that collect them (BAV, AAVSO, the bulletins' minima lists).

#include "elementsets.h"
#include "timingsfile.h"

#include <QString>

namespace listing {

// "Algol (β Per)", as the sheets and the report name the star.
QString algolName();
// A star as the report names it: its proper name and designation, "Algol (β Per)", "Sheliak
// (β Lyr)", or its designation where it has no proper name, "λ Tau".
QString reportName(const sky::Star &star);

// "Algol (β Per) Min I HJD 2461400.3974 ± 0.0025, E 2048, O−C +0.0088 d (+12.6 min) against
// HJD 2455528.105 + 2.867326 E (O−C gateway), template, Vis., N 42, observer TVIS, 10×50
// binoculars": the minimum in the record's scale and its error with four decimals, or as many as
// give the error two significant digits (at most six); the cycle and the O−C as the record has
// them, against the elements it names (those of the record's star); what is empty (band,
// observers, instrument) left out.
// English whatever the user's language, with "." decimals: the lists it goes to are.
QString minimumReportLine(const timing::TimingRecord &record, const QString &instrument);

} // namespace listing
