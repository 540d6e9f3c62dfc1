#include "formats.h"

namespace cli {

QByteArray formattedReport(const Report &report, const QLocale &locale)
{
    switch (report.options.format) {
    case OutputFormat::Table:
        return tableText(report, locale);
    case OutputFormat::Csv:
        return csvText(report);
    case OutputFormat::Json:
        return jsonText(report);
    case OutputFormat::Ics:
        break;
    }
    return icsText(report);
}

} // namespace cli
