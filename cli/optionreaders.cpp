#include "optionreaders.h"

#include "inputfiles.h"
#include "texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace cli::detail {

void refuse(const QString &option, const QString &message)
{
    throw Refusal{QStringLiteral("--%1: %2").arg(option, message)};
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
                  double highest, const char *what)
{
    const QString text = parser.value(option);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
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
                  QString *file)
{
    *set = sky::currentElements();
    if (!parser.isSet(option))
        return;
    const QString text = parser.value(option).trimmed();
    if (const auto named = sky::parseElementSet(text.toStdString())) {
        *set = *named;
        return;
    }
    if (!text.isEmpty() && QFileInfo(parser.value(option)).isFile()) {
        *file = parser.value(option);
        return;
    }
    refuse(option, AlgolMinima::tr("\"%1\" is not current, classic, EPOCH:PERIOD[:hjd|jd] (an epoch between "
                                   "JD 2000000 and 2600000, a period between 0.5 and 10 days) or an elements file")
                       .arg(listing::visible(text)));
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
