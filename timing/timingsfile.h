#pragma once

// The timings file: one CSV row per time of minimum, kept from one run of the timing to the next
// and read back by the fit. Its columns are explained in the comment lines at its top. A file of
// Algol's timings has the columns it always had; one that holds another star's has a last column
// more, star, which names each row's star (empty, or missing in the rows written before it: Algol).

#include "minimumtiming.h"
#include "observations.h"

#include <string>
#include <string_view>
#include <vector>

namespace timing {

struct TimingRecord
{
    long long cycle = 0;  // E, counted from sky::cycleReference(*star)'s epoch
    double minimum = 0;   // a Julian Day in the scale
    sky::DateScale scale = sky::DateScale::HeliocentricUtc;
    double errorDays = 0; // the standard error, above 0
    std::string method;   // "kvw" or "template"; what another file says
    int points = 0;       // N
    int pairs = 0;        // Z of Kwee and van Woerden
    double ocDays = 0;    // against the elements
    std::string elements; // as algol-minima names them: current, classic, EPOCH:PERIOD:hjd
    std::string observers; // observer codes separated by spaces
    std::string band;
    std::string source;    // the file of observations
    const sky::Star *star = &sky::algolStar();
};

// The record of a timed eclipse of the star. Control characters in its texts (a line end in a
// file's name) are written as \n, \r, \t or \xNN, as the file keeps them: one record is one line.
TimingRecord recordOf(const EclipseTiming &timing, sky::DateScale scale,
                      std::string_view elements, std::string_view source,
                      const sky::Star &star = sky::algolStar());

// "JD_UTC", "HJD_UTC", "BJD_TDB".
std::string_view scaleName(sky::DateScale scale);

// Whether records need the star column: one of them is not Algol's.
bool needStarColumn(const std::vector<TimingRecord> &records);
// The whole file: its comment lines, the header row, then timingRows of the records, with the star
// column when they need it.
std::string timingsFileText(const std::vector<TimingRecord> &records);
// A row per record. Times and errors with 7 decimals (under 0.01 s); an error below the last
// decimal is written as 0.0000001; control characters in the texts as recordOf writes them; the
// star, when asked for, as its AAVSO name.
std::string timingRows(const std::vector<TimingRecord> &records, bool starColumn = false);
// The header row of timingsFileText, with or without the star column, without its line end.
std::string_view timingsHeader(bool starColumn);
// The first row of a text that is no comment: none (comments only, or nothing), the header row of
// timingsFileText without or with the star column, or another.
enum class HeaderRow { None, Own, OwnWithStar, Other };
HeaderRow headerRowOf(std::string_view text);
// The text of a timings file whose header row is timingsHeader(false) with that row given the star
// column (its rows, without the field, stay Algol's); anything else as it is.
std::string withStarColumn(std::string_view text);

struct TimingsFile
{
    std::vector<TimingRecord> records;
    std::vector<LineProblem> problems;
};

// The file above or any CSV whose header row (after "#" comment lines) names the time of
// minimum (minimum, time, t0, tmin; or hjd, jd, bjd, which then also give the scale), its error in
// days (error_days, error, err, sigma) or minutes (error_minutes, error_min), and, unless the time
// column gives it, the scale (scale: JD_UTC, HJD_UTC, BJD_TDB, or JD, HJD, BJD), in any case.
// The other columns above are read when present; the star (star) by any of its names in
// the catalogue (sky::findStar), Algol where it is empty or missing; a star the catalogue does not
// know is a problem of its line. A header without the needed columns is one problem on its line
// and no record.
TimingsFile readTimings(std::string_view text);

struct NewTimings
{
    std::vector<TimingRecord> records; // those of added that are new, in their order
    int skipped = 0;                   // already there
};

// The records of added that are not already among records, nor earlier in added: a timing is
// there already when one of the same star, band and observers lies within the larger of their errors
// (and less than half a period away: the same cycle), the times compared in one scale. The same
// night timed again, whatever the name its file was given, is the same timing; another observer's
// timing of the same eclipse is another.
NewTimings newTimings(const std::vector<TimingRecord> &records,
                      const std::vector<TimingRecord> &added, double periodDays);

} // namespace timing
