#pragma once

// The options of algol-minima and of its commands (time, fit) as plain values, and the one
// function that reads them from the command line. Nothing here computes a minimum or reads or
// writes a file.

#include "minimumtiming.h"
#include "observations.h"
#include "request.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <variant>

namespace cli {

using listing::OutputFormat;

// What to list, and how and where to write it. The star is the elements' (--star, or the elements
// file's, Algol otherwise); --star all lists every star (everyStar).
struct MinimaOptions : listing::Request
{
    OutputFormat format = OutputFormat::Table;
    QString output;       // empty or "-": standard output
    QString elementsFile; // --elements FILE: the file to read into elements before listing
    const sky::Star *star = nullptr; // --star NAME; none when not typed (or all)
};

// algol-minima time FILE...: the observations to time, and how.
struct TimeOptions
{
    QStringList files;
    // --star NAME; none when not typed: the elements file's star, or else the first catalogue star
    // that the observations name, or Algol.
    const sky::Star *star = nullptr;
    sky::ElementSet elements = sky::currentElements(); // of star, or Algol's when there is none
    QString elementsFile; // as for the listing
    timing::TimingOptions timing;
    bool windowGiven = false; // --window; otherwise the star's timing::defaultWindowHours
    timing::PlainColumns plain; // --time-scale, --flux
    OutputFormat format = OutputFormat::Table;
    QString output;
    QString append; // the timings file to add the timings to; empty: none
};

// algol-minima fit TIMINGS.csv: the timings, the elements to start from, where to write the fit.
struct FitOptions
{
    QString timings;
    // --star NAME: the star whose timings are fitted; none when not typed: the elements file's,
    // or else the one star of the timings.
    const sky::Star *star = nullptr;
    sky::ElementSet elements = sky::currentElements();
    QString elementsFile;
    bool reject = false;
    OutputFormat format = OutputFormat::Table;
    QString output; // the elements file to write; empty: none
};

enum class Command { List, Time, Fit };

// What the program reads from the world, passed in so that tests can set it. The defaults read
// nothing: no saved site, no zone's city, numbers with a decimal point only.
struct Environment
{
    QDateTime now;          // the present instant
    QByteArray systemZoneId; // the zone used without --tz, as Qt names it (TZ or /etc/localtime)
    // Without --lat and --lon, the site saved in the planner's settings file, else the city of the
    // zone in the zone tables of this folder (zone1970.tab, zone.tab, tzdata.zi's links); an empty
    // name reads no file.
    QString settingsPath{};
    QString zoneTablesFolder{};
    QLocale locale = QLocale::c(); // numbers may also be typed as it writes them (48,85)
};

// The longest period that can be asked for: 100 years.
inline constexpr qint64 kLongestPeriodDays = 36525;

struct ShowHelp
{
    Command command = Command::List;
};
struct ShowVersion {};
struct ShowStars {}; // --stars: the star catalogue
struct UsageError
{
    QString message; // one line, naming the option
};

using ParsedCommandLine = std::variant<MinimaOptions, TimeOptions, FitOptions, ShowHelp, ShowVersion,
                                       ShowStars, UsageError>;

// arguments[0] is the program's name, as in QCoreApplication::arguments(); a command, when there
// is one, comes next.
ParsedCommandLine parseCommandLine(const QStringList &arguments, const Environment &environment);

// The text of --help, of the program or of one of its commands.
QString helpText(Command command = Command::List);

// The time stamp of a calendar file: SOURCE_DATE_EPOCH when it is what the reproducible-builds
// convention defines (the decimal digits of a number of seconds since 1970), up to the end of
// 2999; otherwise now, with a warning of one line. An empty or unset variable is now, silently.
struct GenerationTime
{
    QDateTime utc;
    QString warning; // empty when SOURCE_DATE_EPOCH was used or not set
};
GenerationTime generationTime(const QByteArray &sourceDateEpoch, const QDateTime &now);

} // namespace cli
