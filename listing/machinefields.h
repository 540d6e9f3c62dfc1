#pragma once

// The fields of a minimum as the formats for programs write them (CSV and JSON): fixed English
// names, "." decimals, times in ISO 8601, angles to 0.1 degree; and the writing of any such
// fields as a CSV line or a JSON object.

#include "report.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace listing {

struct MachineField
{
    enum class Kind { Number, Text, Boolean, Missing };
    QString name;
    QString value; // as written in JSON when not Text; Missing is JSON null, an empty CSV cell
    Kind kind = Kind::Number;
};

// A number rounded to that many decimals; Missing when it is not finite (JSON has no NaN).
MachineField numberField(const QString &name, double value, int decimals);

// Every field of a row: those of the site only with a site, the timings' scatter only for fitted
// elements (whose uncertainty has a decimal), and last the watchable hours (missing without a
// site). A listing that names its stars (another star than Algol, or every star) starts with the
// star (its designation) and, where secondaries may be listed, the minimum (primary or
// secondary), and calls the star's altitude and azimuth star_altitude and star_azimuth and its
// hindrance star_low; an uncertainty that no source publishes is missing.
QList<MachineField> machineFields(const ReportRow &row, const Request &request);
// The names of those fields, in the same order.
QStringList machineFieldNames(const Request &request);

// RFC 4180: the values separated by commas, a cell holding a comma, a quote or a line end quoted,
// its quotes doubled; and the names the same way, for the header. Both end with a line end.
QString csvLine(const QList<MachineField> &fields);
QString csvHeader(const QList<MachineField> &fields);
// A JSON string (RFC 8259): quotes, backslashes and control characters escaped.
QString jsonString(const QString &text);
// {"name": value, ...} on one line.
QString jsonObject(const QList<MachineField> &fields);
// Objects as an array, one a line.
QString jsonArray(const QStringList &objects);

} // namespace listing
