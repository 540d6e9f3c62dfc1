#pragma once

// Observation files as observers write them: the AAVSO Extended and Visual file formats, the AAVSO
// data download (CSV) and plain columns of time, value and error. The caller reads the file's
// bytes; nothing here opens a file or changes one.

#include "observationtimes.h"

#include <string>
#include <string_view>
#include <vector>

namespace timing {

// The times this library accepts: after 763 and before 2406.
inline constexpr double kEarliestJd = 2000000;
inline constexpr double kLatestJd = 2600000;

enum class FileFormat { AavsoExtended, AavsoVisual, AavsoDownload, PlainColumns };

// One measurement of a star. EXCEL dates are read as JD on UTC.
struct Observation
{
    double time = 0;
    sky::DateScale scale = sky::DateScale::JulianDayUtc;
    double value = 0;    // a magnitude, or a flux for plain columns read as fluxes
    double error = 0;    // in the value's unit; 0 when the file gives none
    std::string observer; // the observer code, when the file has one
    std::string band;     // the filter or "Vis.", when the file has one
};

enum class LineError {
    TooFewFields,
    UnreadableTime,
    TimeOutOfRange,
    UnreadableValue,
    ValueOutOfRange,
    UnreadableError,
    UnknownDateType,
    UnknownDelimiter,
    UnknownScale,
    ZeroError,
    MissingColumns,
    UnknownStar,
};

// The reason as a short English sentence without a full stop.
std::string_view lineErrorText(LineError error);

// A line that could not be read and why, for "file:line: reason".
struct LineProblem
{
    long long line = 0;
    LineError error = LineError::TooFewFields;
};

// How plain columns are read; the AAVSO formats say it themselves.
struct PlainColumns
{
    sky::DateScale scale = sky::DateScale::JulianDayUtc;
    bool flux = false;
};

struct ObservationFile
{
    std::string source; // the name the caller gave, for the timings file
    FileFormat format = FileFormat::PlainColumns;
    bool flux = false;
    std::vector<Observation> observations; // in the file's order
    std::vector<LineProblem> problems;
    long long fainterThan = 0; // "<x" estimates, skipped: no measurement
    long long otherStars = 0;  // rows for another star, left out
    const sky::Star *star = &sky::algolStar(); // the star whose rows were read
};

// The format is recognised from the text: a "#TYPE=EXTENDED" or "#TYPE=VISUAL" line before the
// first row, a first row naming the JD and Magnitude columns (the download), plain columns
// otherwise. Times must lie between kEarliestJd and kLatestJd. The rows read are the star's; without
// a star, those of the first star of the catalogue that a row names by any of its names
// (sky::findStar: Algol, BET PER, LAM TAU, HD 25204...), Algol's when none does (and always in plain
// columns, which name none). The rows of other stars are counted.
ObservationFile readObservations(std::string_view text, std::string_view source,
                                 const PlainColumns &plain = {}, const sky::Star *star = nullptr);

} // namespace timing
