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
    QDateTime now;       // the present instant
    QTimeZone systemZone; // the zone used without --tz
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

} // namespace cli
