#pragma once

// What the parsers of algol-minima and of its commands share: the refusal of an option and the
// readers of the values that more than one of them takes.

#include "options.h"

#include <QCommandLineParser>

namespace cli::detail {

// Raised by the readers; caught once in parseCommandLine.
struct Refusal
{
    QString message;
};

[[noreturn]] void refuse(const QString &option, const QString &message);

// What the parser refused (an unknown option, a missing or unexpected value), said as the other
// refusals are, with the help to read: "time: unknown option --lat (see algol-minima time --help)".
// command is empty for the listing.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments, const QString &command);

// Words joined into lines of at most width characters (the option parser leaves the
// description as one line).
QString wrapped(const QString &text, qsizetype width);

// The help of a parser whose usage line names the command: "Usage: algol-minima time [options]
// FILE...".
QString commandHelpText(const QCommandLineParser &parser, const QString &usage);

// A number from lowest to highest, with a decimal point or as the locale writes it (48,85 in
// French, its group separators refused); what is the message's text, with %1 and %2 for the
// bounds and %3 for what was typed.
double readNumber(const QCommandLineParser &parser, const QString &option, double lowest,
                  double highest, const char *what, const QLocale &locale = QLocale::c());
// table, csv, json, and ics when a calendar is offered.
OutputFormat readFormat(const QCommandLineParser &parser, const QString &option, bool calendar);
// current, classic (Algol's only), EPOCH:PERIOD[:hjd|jd], or the name of a file (read later: the
// set stays as it was), of the star. Without the option, the star's catalogue elements.
void readElements(const QCommandLineParser &parser, const QString &option, sky::ElementSet *set,
                  QString *file, const sky::Star &star = sky::algolStar());
// A star of the catalogue by any of its names (sky::findStar), or "all" where every star may be
// listed (then none). An unknown name is refused with the nearest known ones: unknown star
// "bet Perx": did you mean β Per?
const sky::Star *readStar(const QCommandLineParser &parser, const QString &option, bool all);
// The name of a file to write: not empty.
QString readFileName(const QCommandLineParser &parser, const QString &option);
// Refuses the option when its file is one of the others on the disk (written over, they would
// be lost).
void refuseSameFile(const QString &option, const QString &path, const QStringList &others);

ParsedCommandLine parseTime(const QStringList &arguments);
ParsedCommandLine parseFit(const QStringList &arguments);
QString timeHelpText();
QString fitHelpText();

} // namespace cli::detail
