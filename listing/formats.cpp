#include "formats.h"

namespace listing {

QByteArray formattedReport(const Report &report, OutputFormat format, const QLocale &locale)
{
    switch (format) {
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

} // namespace listing
