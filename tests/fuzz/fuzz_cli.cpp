// Fuzz target: algol-minima's command line, on any bytes, and the report that it asks for.
//
// Input: the arguments separated by NUL bytes, as a process receives them, so that an argument
// may hold any other byte (a line end, a terminal escape); every error must still be one line
// without control characters. Whatever the parser accepts is computed over at most four days
// from its start (the cost of a longer period is the benchmarks' business) and written in every
// format, which must hold together: one CSV line per listed minimum after the header, a JSON array
// of as many objects, an iCalendar file of as many events with no line over 75 octets, and every
// minimum inside the period.

#include "fields.h"

#include "formats.h"
#include "options.h"
#include "report.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace cli;
using namespace listing;

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
    const auto *accepted = std::get_if<MinimaOptions>(&parsed);
    if (!accepted)
        return 0;
    MinimaOptions options = *accepted;
    FUZZ_CHECK(options.from.isValid() && options.to.isValid() && options.from < options.to, context);
    FUZZ_CHECK(options.from.daysTo(options.to) <= kLongestPeriodDays, context);
    options.to = std::min(options.to, options.from.addDays(4));

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
