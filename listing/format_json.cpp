#include "formats.h"

#include "machinefields.h"

namespace listing {

// An array of objects, one per line, fields in a fixed order.
QByteArray jsonText(const Report &report)
{
    QStringList objects;
    for (const ReportRow &row : report.rows)
        objects << jsonObject(machineFields(row, report.request));
    return jsonArray(objects).toUtf8();
}

} // namespace listing
