#pragma once

// The observing log of one night: the observer's own estimates as typed, with the magnitude each
// gives, and the points imported from a camera's or another program's file. Its text (a CSV file
// whose comment lines explain every column), the AAVSO Visual file of its estimates, and its
// points as observations for the timing. Nothing here opens a file.

#include "observations.h"
#include "visualestimate.h"

#include <string>
#include <string_view>
#include <vector>

namespace timing {

enum class EntryKind { Magnitude, Step, FainterThan, Imported };

struct LogEntry
{
    double jdUtc = 0; // the light's arrival at the Earth, on UTC
    EntryKind kind = EntryKind::Magnitude;
    double magnitude = 0; // for FainterThan, the magnitude Algol was fainter than
    std::string estimate; // as typed: "a 2 V 3 b", "2.9", "<3.5"; empty for an imported point
    std::string comp1, comp2; // the comparison stars' labels ("30"), for a step estimate
    std::string codes;        // AAVSO comment codes, "BU"
    std::string note;
    // An imported point's filter ("Vis." for visual), error in magnitudes (0 when not given),
    // observer code and the name of the file it came from.
    std::string band;
    double error = 0;
    std::string observer;
    std::string source;
};

// The entry of an estimate read from text, at a time.
LogEntry estimateEntry(double jdUtc, std::string_view typed, const Estimate &estimate);

// The same point: the same second, kind, estimate and source, magnitudes within 0.0001.
bool samePoint(const LogEntry &a, const LogEntry &b);

// The log's text: its comment lines, the header row, one row per entry in the order given. Times
// to 0.000001 day (0.09 s), magnitudes and errors to 0.0001.
std::string logText(const std::vector<LogEntry> &entries);

struct LogFile
{
    bool hasHeader = false; // false: no row names the jd_utc and magnitude columns
    std::vector<LogEntry> entries;
    std::vector<LineProblem> problems;
};

// The text above, or any CSV whose header row (after "#" comment lines) names jd_utc (or jd) and
// magnitude (or mag) in any case; the other columns are read when present. A row that cannot be
// read is a problem on its line and no entry; a kind that is missing or unknown is told by the
// estimate.
LogFile readLog(std::string_view text);

struct AavsoVisualHeader
{
    std::string observerCode;
    std::string chartId;  // "na" when empty
    std::string software; // "algol-planner 1.1.0"
};

// The AAVSO Visual file of the observer's own estimates (imported points are not theirs to submit),
// in the order given: the star by its AAVSO name (Algol as BET PER), the JD to 4 decimals, the magnitude to 0.1 with "<" for
// fainter-than, "na" for an empty field. NOTES holds a step estimate as typed, then the note after
// "; ". The delimiter is a comma, so a comma in a note is written as ";"; the format being ASCII,
// Greek letters are written out ("del Per") and other characters beyond ASCII as "?", line ends and
// tabs as blanks; NOTES is cut at the format's 100 characters.
std::string aavsoVisualText(const std::vector<LogEntry> &entries, const AavsoVisualHeader &header,
                            const sky::Star &star = sky::algolStar());

// The points as observations of the timing: JD on UTC, fainter-than estimates left out; the
// observer's estimates in the band "Vis." under the observer code given.
std::vector<Observation> observationsOf(const std::vector<LogEntry> &entries, std::string_view observerCode);

} // namespace timing
