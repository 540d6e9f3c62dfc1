#pragma once

// The fields of a minimum as the formats for programs write them (CSV and JSON): fixed English
// names, "." decimals, times in ISO 8601, angles to 0.1 degree.

#include "report.h"

#include <QList>
#include <QString>

namespace listing {

struct MachineField
{
    enum class Kind { Number, Text, Boolean, Missing };
    QString name;
    QString value; // as written in JSON when not Text; Missing is JSON null, an empty CSV cell
    Kind kind = Kind::Number;
};

// Every field of a row; those of the site only with a site.
QList<MachineField> machineFields(const ReportRow &row, bool withSite);
// The names of those fields, in the same order.
QStringList machineFieldNames(bool withSite);

} // namespace listing
