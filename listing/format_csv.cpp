#include "formats.h"

#include "machinefields.h"

namespace listing {

QByteArray csvText(const Report &report)
{
    QString text = machineFieldNames(report.request).join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const ReportRow &row : report.rows)
        text += csvLine(machineFields(row, report.request));
    return text.toUtf8();
}

} // namespace listing
