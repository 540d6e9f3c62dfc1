#include "machinefields.h"

#include "wording.h"

namespace listing {

namespace {

using Kind = MachineField::Kind;

QString reasonCode(const sky::PredictedMinimum &minimum)
{
    QStringList codes;
    if (!minimum.algolHighEnough)
        codes << QStringLiteral("algol_low");
    if (!minimum.skyDarkEnough)
        codes << QStringLiteral("sky_bright");
    return codes.join(QLatin1Char(' '));
}

} // namespace

QList<MachineField> machineFields(const ReportRow &row, bool withSite)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    QList<MachineField> fields{
        {QStringLiteral("cycle"), QString::number(minimum.cycle)},
        {QStringLiteral("utc"), isoDateText(row.utc.date()) + QLatin1Char('T') + clockText(row.utc.time()) + QLatin1Char('Z'), Kind::Text},
        {QStringLiteral("local"),
         isoDateText(row.local.local.date()) + QLatin1Char('T') + clockText(row.local.local.time())
             + offsetText(row.local.offsetSeconds),
         Kind::Text},
        {QStringLiteral("zone"), row.local.abbreviation, Kind::Text},
    };
    if (withSite) {
        const sky::SkyAtInstant &at = *minimum.sky;
        const QString reason = reasonCode(minimum);
        fields << MachineField{QStringLiteral("algol_altitude"), fixedNumber(at.algol.altitudeDeg, 1)}
               << MachineField{QStringLiteral("algol_azimuth"), fixedNumber(azimuthForDisplay(at.algol.azimuthDeg), 1)}
               << MachineField{QStringLiteral("sun_altitude"), fixedNumber(at.sun.altitudeDeg, 1)}
               << MachineField{QStringLiteral("moon_altitude"), fixedNumber(at.moon.altitudeDeg, 1)}
               << MachineField{QStringLiteral("moon_illumination"), fixedNumber(at.moonIlluminatedFraction, 2)}
               << MachineField{QStringLiteral("observable"),
                               minimum.observable() ? QStringLiteral("true") : QStringLiteral("false"),
                               Kind::Boolean}
               << MachineField{QStringLiteral("reason"), reason,
                               reason.isEmpty() ? Kind::Missing : Kind::Text};
    }
    if (minimum.uncertaintyMinutes)
        fields << MachineField{QStringLiteral("uncertainty_minutes"), fixedNumber(*minimum.uncertaintyMinutes, 0)};
    else
        fields << MachineField{QStringLiteral("uncertainty_minutes"), {}, Kind::Missing};
    return fields;
}

QStringList machineFieldNames(bool withSite)
{
    ReportRow blank;
    if (withSite)
        blank.minimum.sky = sky::SkyAtInstant{};
    QStringList names;
    for (const MachineField &field : machineFields(blank, withSite))
        names << field.name;
    return names;
}

} // namespace listing
