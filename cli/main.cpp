// algol-minima: lists the minima of Algol that an observer can see. main() reads the world (the
// clock, the zone, the locale), parses, calls and prints; everything else is in the library.

#include "formats.h"
#include "listingtexts.h"
#include "options.h"
#include "output.h"
#include "report.h"
#include "wording.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

void printError(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("algol-minima: ") + message + QLatin1Char('\n')), stderr);
}

// The time stamp of a calendar file: now, or SOURCE_DATE_EPOCH for reproducible output.
QDateTime generationTime(const QDateTime &now)
{
    bool ok = false;
    const qint64 fixed = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    return ok ? QDateTime::fromSecsSinceEpoch(fixed, Qt::UTC) : now;
}

int write(const QString &path, const QByteArray &bytes)
{
    if (const auto error = cli::writeOutput(path, bytes)) {
        printError(*error);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("algol-minima"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALGOL_VERSION));
    const QLocale locale = QLocale::system();
    listing::installTranslations(locale, QStringLiteral("algol-minima"));

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const cli::ParsedCommandLine parsed =
        cli::parseCommandLine(QCoreApplication::arguments(), {now, QTimeZone::systemTimeZone()});
    if (const auto *error = std::get_if<cli::UsageError>(&parsed)) {
        printError(error->message);
        return 2;
    }
    if (std::holds_alternative<cli::ShowHelp>(parsed))
        return write({}, cli::helpText().toUtf8());
    if (std::holds_alternative<cli::ShowVersion>(parsed))
        return write({}, QByteArrayLiteral("algol-minima " ALGOL_VERSION "\n"));

    const cli::MinimaOptions &options = std::get<cli::MinimaOptions>(parsed);
    const listing::Report report = listing::makeReport(options, generationTime(now));
    if (report.extrapolated)
        printError(listing::extrapolationWarning());
    // The table says why it is empty; the other formats stay data only.
    if (report.rows.isEmpty() && options.format != cli::OutputFormat::Table)
        printError(listing::emptyListSentence(report, locale));
    return write(options.output, listing::formattedReport(report, options.format, locale));
}
