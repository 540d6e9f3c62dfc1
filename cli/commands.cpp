#include "commands.h"

#include "fitoutput.h"
#include "inputfiles.h"
#include "inputs.h"
#include "output.h"
#include "texts.h"
#include "timingoutput.h"
#include "timingsfile.h"
#include "timingsstore.h"
#include "wording.h"

namespace cli {

namespace {

std::string_view textOf(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

bool appendTimings(const TimeOptions &options, const TimingRun &run)
{
    std::vector<timing::TimingRecord> added;
    const std::string elements = listing::elementsName(run.elements).toStdString();
    for (const TimedFile &file : run.files) {
        for (const timing::EclipseTiming &timing : file.report.eclipses) {
            if (!timing.untimed)
                added.push_back(timing::recordOf(timing, file.report.scale, elements, file.source.toStdString()));
        }
    }
    const listing::StoredTimings stored = listing::storeTimings(options.append, added, run.elements.elements.period);
    printProblems(options.append, stored.problems);
    if (!stored.error.isEmpty()) {
        printMessage(stored.error);
        return false;
    }
    printMessage(AlgolMinima::tr("%1: timings added: %2, already there: %3")
                     .arg(listing::visible(options.append)).arg(stored.added).arg(stored.skipped));
    return true;
}

} // namespace

bool loadElements(const QString &file, sky::ElementSet *elements)
{
    if (file.isEmpty())
        return true;
    const auto read = listing::readElements(file);
    if (const auto *error = std::get_if<QString>(&read)) {
        printMessage(*error);
        return false;
    }
    *elements = std::get<sky::ElementSet>(read);
    return true;
}

int runTime(TimeOptions options, const QLocale &locale)
{
    if (!loadElements(options.elementsFile, &options.elements))
        return 1;
    TimingRun run{options.elements, options.timing, {}};
    bool failed = false;
    for (const QString &path : std::as_const(options.files)) {
        const auto bytes = listing::readInput(path);
        if (const auto *error = std::get_if<QString>(&bytes)) {
            printMessage(*error);
            failed = true;
            continue;
        }
        const timing::ObservationFile file =
            timing::readObservations(textOf(std::get<QByteArray>(bytes)), path.toStdString(), options.plain);
        printProblems(path, file.problems);
        if (file.observations.empty()) {
            printMessage(AlgolMinima::tr("%1: no observation of Algol could be read (rows of other stars: %2, "
                                         "fainter-than estimates: %3, lines that cannot be read: %4)")
                             .arg(listing::visible(path), QString::number(file.otherStars),
                                  QString::number(file.fainterThan), QString::number(file.problems.size())));
            failed = true;
            continue;
        }
        run.files.push_back({path, file.format, qsizetype(file.observations.size()), file.fainterThan,
                             file.otherStars, timing::timeObservations(file, options.elements, options.timing)});
    }
    // All or nothing: no output and no timings from a part of the files.
    if (failed)
        return 1;
    if (!options.append.isEmpty() && !appendTimings(options, run))
        return 1;
    switch (options.format) {
    case OutputFormat::Csv:
        return write(options.output, timingCsv(run));
    case OutputFormat::Json:
        return write(options.output, timingJson(run));
    case OutputFormat::Table:
    case OutputFormat::Ics:
        break;
    }
    return write(options.output, timingTable(run, locale));
}

int runFit(FitOptions options, const QLocale &locale)
{
    if (!loadElements(options.elementsFile, &options.elements))
        return 1;
    const auto bytes = listing::readInput(options.timings);
    if (const auto *error = std::get_if<QString>(&bytes)) {
        printMessage(*error);
        return 1;
    }
    timing::TimingsFile file = timing::readTimings(textOf(std::get<QByteArray>(bytes)));
    printProblems(options.timings, file.problems);
    if (file.records.empty()) {
        printMessage(AlgolMinima::tr("%1: no timing could be read").arg(listing::visible(options.timings)));
        return 1;
    }
    FitRun run{options.timings, options.elements, std::move(file.records), {}, {}};
    run.points = timing::timingPointsOf(run.records, sky::dateScaleOf(run.start.reference));
    run.fit = timing::fitElements(run.points, run.start, options.reject);
    if (const std::optional<timing::ElementsRefusal> &refusal = run.fit.refusal) {
        printMessage(AlgolMinima::tr("%1: no elements can be fitted to these timings: %2: %3")
                         .arg(listing::visible(options.timings), QString::fromStdString(refusal->key),
                              listing::elementsErrorMessage(refusal->error)));
        return 1;
    }
    if (!options.output.isEmpty()
        && write(options.output, QByteArray::fromStdString(timing::elementsFileText(run.fit.fitted))) != 0)
        return 1;
    switch (options.format) {
    case OutputFormat::Csv:
        return write({}, fitCsv(run));
    case OutputFormat::Json:
        return write({}, fitJson(run));
    case OutputFormat::Table:
    case OutputFormat::Ics:
        break;
    }
    return write({}, fitTable(run, locale));
}

int write(const QString &path, const QByteArray &bytes)
{
    if (const auto error = writeOutput(path, bytes)) {
        if (!error->isEmpty())
            printMessage(*error);
        return 1;
    }
    return 0;
}

} // namespace cli
