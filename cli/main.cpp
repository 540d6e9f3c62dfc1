// algol-minima: lists the minima of Algol (or of another bright eclipsing binary) that an observer
// can see, times the minima observed and fits elements to their timings. main() reads the world (the clock, the zone, the locale, where
// the planner keeps its site and tzdata its tables), parses, calls and prints; everything else is
// in the libraries.

#include "catalogueoutput.h"
#include "commands.h"
#include "formats.h"
#include "listingtexts.h"
#include "options.h"
#include "output.h"
#include "report.h"
#include "savedsite.h"
#include "wording.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The system's zone as Qt names it, found as Qt finds it but without opening the zone's file (Qt's
// own QTimeZone::systemTimeZoneId() does): TZ, or the name in the zone database that
// /etc/localtime links to, or the first line of /etc/timezone.
QByteArray systemZoneId()
{
    const QByteArray tz = qgetenv("TZ");
    if (!tz.isEmpty() && tz != ":" && tz != ":/etc/localtime")
        return tz;
    QString path = QStringLiteral("/etc/localtime");
    for (int links = 0; links < 40; ++links) {
        path = QFile::symLinkTarget(path);
        if (const qsizetype at = path.indexOf(QLatin1String("/zoneinfo/")); at >= 0)
            return path.mid(at + 10).toUtf8();
        if (path.isEmpty())
            break;
    }
    QFile file(QStringLiteral("/etc/timezone"));
    return file.open(QIODevice::ReadOnly) ? file.readLine(256).trimmed() : QByteArray();
}

// A standard stream that was closed (>&-) gets /dev/null before anything else opens a file, which
// would take its number and receive the listing or the messages: read-only for the standard
// output, so that writing to it still fails as writing to a closed one does.
void fillClosedStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", stream == STDERR_FILENO ? O_WRONLY : O_RDONLY);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    fillClosedStandardStreams();
    // Each pattern is matched once or twice a run: compiling it to machine code, as Qt does by
    // default, would cost more than it saves.
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
    // A reader that goes away (| head) is a failed write, not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("algol-minima"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ALGOL_VERSION));
    const QLocale locale = QLocale::system();
    listing::installTranslations(locale, QStringLiteral("algol-minima"));

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(
        QCoreApplication::arguments(),
        {now, systemZoneId(), listing::plannerSettingsPath(), QStringLiteral("/usr/share/zoneinfo"), locale});
    if (const auto *error = std::get_if<cli::UsageError>(&parsed)) {
        cli::printMessage(error->message);
        return 2;
    }
    if (const auto *help = std::get_if<cli::ShowHelp>(&parsed))
        return cli::write({}, cli::helpText(help->command).toUtf8());
    if (std::holds_alternative<cli::ShowVersion>(parsed))
        return cli::write({}, QByteArrayLiteral("algol-minima " ALGOL_VERSION "\n"));
    if (std::holds_alternative<cli::ShowStars>(parsed))
        return cli::write({}, cli::catalogueTable(locale));
    if (const auto *options = std::get_if<cli::TimeOptions>(&parsed))
        return cli::runTime(*options, locale);
    if (const auto *options = std::get_if<cli::FitOptions>(&parsed))
        return cli::runFit(*options, locale);

    cli::MinimaOptions options = std::get<cli::MinimaOptions>(parsed);
    if (!cli::loadElements(options.elementsFile, &options.elements))
        return 1;
    // An elements file names its star: --star, when typed, must be the same.
    if (options.star && !cli::elementsForStar(*options.star, options.elementsFile, &options.elements))
        return 2;
    const cli::GenerationTime generated = cli::generationTime(qgetenv("SOURCE_DATE_EPOCH"), now);
    // Only the calendar carries a time stamp.
    if (options.format == cli::OutputFormat::Ics && !generated.warning.isEmpty())
        cli::printMessage(generated.warning);
    const listing::Report report = listing::makeReport(options, generated.utc);
    if (report.extrapolated)
        cli::printMessage(listing::extrapolationWarning());
    // The table says why it is empty; the other formats stay data only.
    if (report.rows.isEmpty() && options.format != cli::OutputFormat::Table)
        cli::printMessage(listing::emptyListSentence(report, locale));
    return cli::write(options.output, listing::formattedReport(report, options.format, locale));
}
