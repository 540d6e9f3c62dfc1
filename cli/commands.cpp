#include "commands.h"

#include "fitoutput.h"
#include "inputfiles.h"
#include "inputs.h"
#include "output.h"
#include "texts.h"
#include "timingoutput.h"
#include "timingsfile.h"
#include "timingsstore.h"
#include "starcatalogue.h"
#include "wording.h"

#include <optional>

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
                added.push_back(timing::recordOf(timing, file.report.scale, elements,
                                                 file.source.toStdString(), *run.elements.star));
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

// A star's name in a message.
QString nameOf(const sky::Star &star)
{
    return &star == &sky::algolStar() ? QStringLiteral("Algol") : listing::starLabel(star);
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

bool elementsForStar(const sky::Star &star, const QString &file, sky::ElementSet *elements)
{
    if (elements->star == &star)
        return true;
    if (!file.isEmpty()) {
        printMessage(AlgolMinima::tr("%1: elements of %2, not of %3")
                         .arg(listing::visible(file), nameOf(*elements->star), nameOf(star)));
        return false;
    }
    switch (elements->kind) {
    case sky::ElementSetKind::Current:
        *elements = sky::catalogueElements(star);
        return true;
    case sky::ElementSetKind::Custom:
        elements->star = &star;
        elements->epochCycle = sky::referenceCycleOf(elements->elements.epoch, elements->reference, star);
        return true;
    case sky::ElementSetKind::Classic:
    case sky::ElementSetKind::Fitted:
        break;
    }
    printMessage(QStringLiteral("--elements: ") + AlgolMinima::tr("the classic elements are Algol's, not %1's").arg(nameOf(star)));
    return false;
}

namespace {

// The files of observations of one star, in their order: --star's, the elements file's, or the
// first that the files name (Algol when none does). Empty when one cannot be read or holds nothing
// of the star.
std::optional<std::vector<timing::ObservationFile>> readObservationFiles(const TimeOptions &options,
                                                                         const sky::Star **star)
{
    std::vector<timing::ObservationFile> files;
    bool failed = false;
    for (const QString &path : options.files) {
        const auto bytes = listing::readInput(path);
        if (const auto *error = std::get_if<QString>(&bytes)) {
            printMessage(*error);
            failed = true;
            continue;
        }
        timing::ObservationFile file = timing::readObservations(
            textOf(std::get<QByteArray>(bytes)), path.toStdString(), options.plain, *star);
        *star = file.star;
        printProblems(path, file.problems);
        if (file.observations.empty()) {
            const QString counts[] = {QString::number(file.otherStars), QString::number(file.fainterThan),
                                      QString::number(file.problems.size())};
            printMessage(*star == &sky::algolStar()
                             ? AlgolMinima::tr("%1: no observation of Algol could be read (rows of other stars: %2, "
                                               "fainter-than estimates: %3, lines that cannot be read: %4)")
                                   .arg(listing::visible(path), counts[0], counts[1], counts[2])
                             : AlgolMinima::tr("%1: no observation of %2 could be read (rows of other stars: %3, "
                                               "fainter-than estimates: %4, lines that cannot be read: %5)")
                                   .arg(listing::visible(path), listing::starLabel(**star), counts[0], counts[1],
                                        counts[2]));
            failed = true;
            continue;
        }
        files.push_back(std::move(file));
    }
    // All or nothing: no output and no timings from a part of the files.
    if (failed)
        return std::nullopt;
    return files;
}

} // namespace

int runTime(TimeOptions options, const QLocale &locale)
{
    if (!loadElements(options.elementsFile, &options.elements))
        return 1;
    const sky::Star *star = options.star ? options.star
        : !options.elementsFile.isEmpty() ? options.elements.star
                                          : nullptr;
    const auto files = readObservationFiles(options, &star);
    if (!files)
        return 1;
    if (!elementsForStar(*star, options.elementsFile, &options.elements))
        return 2;
    const std::optional<timing::EclipseCurve> curve = timing::EclipseCurve::ofStar(*star);
    if (options.timing.method == timing::Method::Template && !curve) {
        printMessage(AlgolMinima::tr("--method template: %1 has no eclipse to fit (no eclipse duration D: its "
                                     "light changes all the time); it is timed by Kwee and van Woerden's "
                                     "method (kvw or auto)").arg(nameOf(*star)));
        return 2;
    }
    if (!options.windowGiven)
        options.timing.windowHours = timing::defaultWindowHours(*star);
    TimingRun run{options.elements, options.timing, {}};
    for (std::size_t i = 0; i < files->size(); ++i) {
        const timing::ObservationFile &file = (*files)[i];
        run.files.push_back({options.files[qsizetype(i)], file.format, qsizetype(file.observations.size()),
                             file.fainterThan, file.otherStars,
                             timing::timeObservations(file, options.elements, options.timing)});
    }
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
    // One star's timings: --star's or the elements file's, the others left out; or else the one
    // star of them all.
    const sky::Star *star = options.star ? options.star
        : !options.elementsFile.isEmpty() ? options.elements.star
                                          : nullptr;
    if (!star) {
        QStringList names;
        for (const timing::TimingRecord &record : file.records) {
            if (!names.contains(nameOf(*record.star)))
                names << nameOf(*record.star);
        }
        if (names.size() > 1) {
            printMessage(AlgolMinima::tr("%1: timings of %2 stars (%3): a fit takes one star's (--star)")
                             .arg(listing::visible(options.timings)).arg(names.size()).arg(names.join(QStringLiteral(", "))));
            return 1;
        }
        star = file.records.front().star;
    }
    const auto others = std::erase_if(file.records, [&](const timing::TimingRecord &r) { return r.star != star; });
    if (others > 0)
        printMessage(AlgolMinima::tr("%1: timings of other stars left out: %2").arg(listing::visible(options.timings)).arg(others));
    if (file.records.empty()) {
        printMessage(AlgolMinima::tr("%1: no timing of %2").arg(listing::visible(options.timings), nameOf(*star)));
        return 1;
    }
    if (!elementsForStar(*star, options.elementsFile, &options.elements))
        return 2;
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
