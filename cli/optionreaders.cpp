#include "optionreaders.h"

#include "inputfiles.h"
#include "starcatalogue.h"
#include "texts.h"
#include "wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace cli::detail {

void refuse(const QString &option, const QString &message)
{
    throw Refusal{QStringLiteral("--%1: %2").arg(option, message)};
}

QString parseError(const QCommandLineParser &parser, const QStringList &arguments, const QString &command)
{
    const QString help = command.isEmpty() ? QStringLiteral("algol-minima --help")
                                           : QStringLiteral("algol-minima %1 --help").arg(command);
    // The options come before "--".
    QStringList typed = arguments.mid(1);
    if (const qsizetype end = typed.indexOf(QStringLiteral("--")); end >= 0)
        typed = typed.first(end);
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString &name = unknown.first();
        QString option = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        // -lat is read as the letters -l -a -t: it is said as typed.
        for (const QString &argument : std::as_const(typed)) {
            const QString before = argument.section(QLatin1Char('='), 0, 0);
            if (name.size() == 1 && before.size() > 2 && before.startsWith(QLatin1Char('-'))
                && !before.startsWith(QLatin1String("--")) && before.contains(name)) {
                option = before;
                break;
            }
        }
        const QString message = AlgolMinima::tr("unknown option %1 (see %2)").arg(listing::visible(option), help);
        return command.isEmpty() ? message : command + QStringLiteral(": ") + message;
    }
    // Qt's own message names the argument as typed: it tells which one lacks or has a value.
    const QString error = parser.errorText();
    for (const QString &argument : std::as_const(typed)) {
        const QString before = argument.section(QLatin1Char('='), 0, 0);
        if (error == QCoreApplication::translate("QCommandLineParser", "Missing value after '%1'.").arg(argument))
            return AlgolMinima::tr("%1: the value is missing (see %2)").arg(listing::visible(argument), help);
        if (error == QCoreApplication::translate("QCommandLineParser", "Unexpected value after '%1'.").arg(before))
            return AlgolMinima::tr("%1: this option takes no value (see %2)").arg(listing::visible(before), help);
    }
    return listing::visible(error);
}

QString wrapped(const QString &text, qsizetype width)
{
    QString result;
    qsizetype lineLength = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            result += QLatin1Char('\n');
            lineLength = 0;
        } else if (lineLength > 0) {
            result += QLatin1Char(' ');
            ++lineLength;
        }
        result += word;
        lineLength += word.size();
    }
    return result;
}

QString commandHelpText(const QCommandLineParser &parser, const QString &usage)
{
    const QString text = parser.helpText();
    return QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(usage)
        + text.mid(text.indexOf(QLatin1Char('\n')));
}

double readNumber(const QCommandLineParser &parser, const QString &option, double lowest,
                  double highest, const char *what, const QLocale &locale)
{
    const QString text = parser.value(option);
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok)
        value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest) {
        refuse(option, QCoreApplication::translate("AlgolMinima", what).arg(lowest).arg(highest).arg(listing::visible(text)));
    }
    return value;
}

OutputFormat readFormat(const QCommandLineParser &parser, const QString &option, bool calendar)
{
    const QString name = parser.value(option).trimmed().toLower();
    if (name == QLatin1String("table"))
        return OutputFormat::Table;
    if (name == QLatin1String("csv"))
        return OutputFormat::Csv;
    if (name == QLatin1String("json"))
        return OutputFormat::Json;
    if (name == QLatin1String("ics") && calendar)
        return OutputFormat::Ics;
    if (calendar)
        refuse(option, AlgolMinima::tr("unknown format \"%1\" (table, csv, json or ics)").arg(listing::visible(parser.value(option))));
    refuse(option, AlgolMinima::tr("unknown format \"%1\" (table, csv or json)").arg(listing::visible(parser.value(option))));
}

void readElements(const QCommandLineParser &parser, const QString &option, sky::ElementSet *set,
                  QString *file, const sky::Star &star)
{
    *set = sky::catalogueElements(star);
    if (!parser.isSet(option))
        return;
    const QString text = parser.value(option).trimmed();
    if (const auto named = sky::parseElementSet(text.toStdString(), star)) {
        *set = *named;
        return;
    }
    if (text == QLatin1String("classic") && !QFileInfo(parser.value(option)).isFile())
        refuse(option, AlgolMinima::tr("the classic elements are Algol's, not %1's")
                           .arg(listing::starLabel(star)));
    if (!text.isEmpty() && QFileInfo(parser.value(option)).isFile()) {
        *file = parser.value(option);
        return;
    }
    refuse(option, AlgolMinima::tr("\"%1\" is not current, classic, EPOCH:PERIOD[:hjd|jd] (an epoch between "
                                   "JD 2000000 and 2600000, a period between 0.5 and 20 days) or an elements file")
                       .arg(listing::visible(text)));
}

const sky::Star *readStar(const QCommandLineParser &parser, const QString &option, bool all)
{
    const QString text = parser.value(option).trimmed();
    if (all && text == QLatin1String("all"))
        return nullptr;
    if (const sky::Star *star = sky::findStar(text.toStdString()))
        return star;
    QStringList nearest;
    for (const sky::Star *star : sky::nearestStars(text.toStdString()))
        nearest << listing::starLabel(*star);
    const QString unknown = listing::visible(parser.value(option));
    if (nearest.isEmpty())
        refuse(option, AlgolMinima::tr("unknown star \"%1\" (algol-minima --stars lists the stars)").arg(unknown));
    const QString last = nearest.takeLast();
    const QString named = nearest.isEmpty() ? last : AlgolMinima::tr("%1 or %2").arg(nearest.join(QStringLiteral(", ")), last);
    refuse(option, AlgolMinima::tr("unknown star \"%1\": did you mean %2?").arg(unknown, named));
}

QString readFileName(const QCommandLineParser &parser, const QString &option)
{
    const QString name = parser.value(option);
    if (name.isEmpty())
        refuse(option, AlgolMinima::tr("the file name is empty"));
    return name;
}

namespace {

// QFileInfo's == takes two missing files for the same one: their paths are compared instead.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

} // namespace

void refuseSameFile(const QString &option, const QString &path, const QStringList &others)
{
    for (const QString &other : others) {
        if (!other.isEmpty() && sameFile(path, other))
            refuse(option, AlgolMinima::tr("%1 is also read (as %2): it would be written over")
                               .arg(listing::visible(path), listing::visible(other)));
    }
}

} // namespace cli::detail
