#pragma once

// The options of algol-minima as one plain value, and the one function that reads them from the
// command line. Nothing here computes a minimum or writes a file.

#include "request.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <variant>

namespace cli {

using listing::OutputFormat;

// What to list, and how and where to write it.
struct MinimaOptions : listing::Request
{
    OutputFormat format = OutputFormat::Table;
    QString output; // empty or "-": standard output
};

// What the program reads from the world, passed in so that tests can set it.
struct Environment
{
    QDateTime now;          // the present instant
    QByteArray systemZoneId; // the zone used without --tz, as Qt names it (TZ or /etc/localtime)
};

// The longest period that can be asked for: 100 years.
inline constexpr qint64 kLongestPeriodDays = 36525;

struct ShowHelp {};
struct ShowVersion {};
struct UsageError
{
    QString message; // one line, naming the option
};

using ParsedCommandLine = std::variant<MinimaOptions, ShowHelp, ShowVersion, UsageError>;

// arguments[0] is the program's name, as in QCoreApplication::arguments().
ParsedCommandLine parseCommandLine(const QStringList &arguments, const Environment &environment);

// The text of --help.
QString helpText();

// Text the user typed as a message of one line shows it: control characters (line ends, terminal
// escapes) written as \n, \t, \x1b or \u2028, and a text of more than 100 characters cut
// with "...".
QString visible(const QString &text);

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
