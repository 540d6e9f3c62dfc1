#include "formats.h"

#include "machinefields.h"

namespace listing {

namespace {

// RFC 4180: a cell holding a comma, a quote or a line end is quoted, its quotes doubled.
QString csvCell(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QByteArray csvText(const Report &report)
{
    const bool withSite = report.request.site.has_value();
    QString text = machineFieldNames(withSite).join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const ReportRow &row : report.rows) {
        QStringList cells;
        for (const MachineField &field : machineFields(row, withSite))
            cells << csvCell(field.value);
        text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace listing
