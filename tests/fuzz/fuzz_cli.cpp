// Fuzz target: algol-minima's command line, on any bytes, and what it asks for.
//
// Input: the arguments separated by NUL bytes, as a process receives them, so that an argument
// may hold any other byte (a line end, a terminal escape); every error must still be one line
// without control characters. Whatever the parser accepts for the listing is computed over at
// most four days from its start (the cost of a longer period is the benchmarks' business) and
// written in every format, which must hold together: one CSV line per listed minimum after the
// header, a JSON array of as many objects, an iCalendar file of as many events with no line over
// 75 octets, and every minimum inside the period. The options of time are used on an eclipse of
// 25 points at the elements' epoch, those of fit on three timings of them (both in the elements'
// own scale, which spares the conversions); their CSV and JSON must hold one record per eclipse
// or timing. A file named by --elements is not read: its elements stay the current ones.

#include "fields.h"

#include "eclipsemodel.h"
#include "fitoutput.h"
#include "formats.h"
#include "options.h"
#include "report.h"
#include "timingoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace cli;
using namespace listing;

namespace {

void checkTime(const TimeOptions &options, const std::string &context)
{
    FUZZ_CHECK(!options.files.isEmpty() && options.format != OutputFormat::Ics, context);
    FUZZ_CHECK(options.timing.windowHours >= 0.5 && options.timing.windowHours <= 24, context);
    FUZZ_CHECK(options.timing.folds == 3 || options.timing.folds == 5 || options.timing.folds == 7, context);
    FUZZ_CHECK(!options.timing.noise || (*options.timing.noise > 0 && *options.timing.noise <= 1e6), context);
    const ephemeris::Elements &elements = options.elements.elements;
    timing::ObservationFile file;
    for (int i = 0; i < 25; ++i) {
        const double days = (i / 24.0 - 0.5) * 9 / 24;
        file.observations.push_back({elements.epoch + days, sky::dateScaleOf(options.elements.reference),
                                     eclipses::algolMagnitudeFast(days / elements.period), 0.01, "FUZ", "V"});
    }
    const TimingRun run{options.elements, options.timing,
                        {{QStringLiteral("fuzz.txt"), file.format, 25, 0, 0,
                          timing::timeObservations(file, options.elements, options.timing)}}};
    const auto eclipses = qsizetype(run.files.front().report.eclipses.size());
    FUZZ_CHECK(eclipses <= 1, context);
    FUZZ_CHECK(!timingTable(run, QLocale::c()).isEmpty(), context);
    FUZZ_CHECK(timingCsv(run).count('\n') == eclipses + 1, context);
    const QJsonDocument json = QJsonDocument::fromJson(timingJson(run));
    FUZZ_CHECK(json.isArray() && json.array().size() == eclipses, context);
}

void checkFit(const FitOptions &options, const std::string &context)
{
    FUZZ_CHECK(!options.timings.isEmpty() && options.format != OutputFormat::Ics, context);
    FUZZ_CHECK(options.output != QLatin1String("-"), context);
    const ephemeris::Elements &elements = options.elements.elements;
    FitRun run{QStringLiteral("fuzz.csv"), options.elements, {}, {}, {}};
    for (const long long cycle : {-400LL, 0LL, 400LL}) {
        timing::TimingRecord record;
        record.cycle = cycle;
        record.minimum = elements.epoch + double(cycle) * elements.period + 0.001 * double(cycle % 3);
        record.scale = sky::dateScaleOf(options.elements.reference);
        record.errorDays = 0.001;
        run.records.push_back(record);
    }
    run.points = timing::timingPointsOf(run.records, sky::dateScaleOf(run.start.reference));
    run.fit = timing::fitElements(run.points, run.start, options.reject);
    FUZZ_CHECK(!fitTable(run, QLocale::c()).isEmpty(), context);
    FUZZ_CHECK(fitCsv(run).count('\n') == 4, context);
    const QJsonDocument json = QJsonDocument::fromJson(fitJson(run));
    FUZZ_CHECK(json.isObject() && json.object().value(QLatin1String("residuals")).toArray().size() == 3, context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 4096)
        return 0;
    QStringList arguments{QStringLiteral("algol-minima")};
    for (const std::string &field : fuzz::splitFields(data, size, '\0'))
        arguments << QString::fromStdString(field);
    const QDateTime now(QDate(2026, 12, 8), QTime(21, 30), Qt::UTC);
    const ParsedCommandLine parsed = parseCommandLine(arguments, {now, "Europe/Paris"});
    const std::string context = fuzz::quoted(std::string(reinterpret_cast<const char *>(data), size));
    if (const auto *error = std::get_if<UsageError>(&parsed)) {
        FUZZ_CHECK(!error->message.isEmpty(), context);
        for (const QChar c : error->message) {
            const auto category = c.category();
            FUZZ_CHECK(category != QChar::Other_Control && category != QChar::Other_Format
                           && category != QChar::Separator_Line && category != QChar::Separator_Paragraph,
                       context);
        }
        return 0;
    }
    if (const auto *time = std::get_if<TimeOptions>(&parsed)) {
        checkTime(*time, context);
        return 0;
    }
    if (const auto *fit = std::get_if<FitOptions>(&parsed)) {
        checkFit(*fit, context);
        return 0;
    }
    const auto *accepted = std::get_if<MinimaOptions>(&parsed);
    if (!accepted)
        return 0;
    MinimaOptions options = *accepted;
    FUZZ_CHECK(options.from.isValid() && options.to.isValid() && options.from < options.to, context);
    FUZZ_CHECK(options.from.daysTo(options.to) <= kLongestPeriodDays, context);
    // Every star of the catalogue has some twenty minima a day, as many as Algol in two months:
    // half a day of them.
    options.to = std::min(options.to, options.everyStar ? options.from.addSecs(12 * 3600) : options.from.addDays(4));

    const Report report = makeReport(options, now);
    for (const ReportRow &row : report.rows)
        FUZZ_CHECK(row.utc >= options.from && row.utc <= options.to.addSecs(1), context);
    const auto rows = report.rows.size();

    FUZZ_CHECK(!tableText(report, QLocale::c()).isEmpty(), context);
    FUZZ_CHECK(csvText(report).count('\n') == rows + 1, context);
    const QJsonDocument json = QJsonDocument::fromJson(jsonText(report));
    FUZZ_CHECK(json.isArray() && json.array().size() == rows, context);
    const QByteArray ics = icsText(report);
    FUZZ_CHECK(ics.count("BEGIN:VEVENT\r\n") == rows, context);
    for (const QByteArray &line : ics.split('\n'))
        FUZZ_CHECK(line.size() <= 76, context); // 75 octets and the CR
    return 0;
}
