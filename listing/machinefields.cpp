#include "machinefields.h"

#include "wording.h"

#include <algorithm>
#include <cmath>

namespace listing {

namespace {

using Kind = MachineField::Kind;

QString reasonCode(const sky::PredictedMinimum &minimum, bool namingStars)
{
    QStringList codes;
    if (!minimum.algolHighEnough)
        codes << (namingStars ? QStringLiteral("star_low") : QStringLiteral("algol_low"));
    if (!minimum.skyDarkEnough)
        codes << QStringLiteral("sky_bright");
    return codes.join(QLatin1Char(' '));
}

MachineField optionalNumber(const QString &name, const std::optional<double> &value, int decimals)
{
    if (!value)
        return {name, {}, Kind::Missing};
    return numberField(name, *value, decimals);
}

QString csvCell(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString jsonValue(const MachineField &field)
{
    switch (field.kind) {
    case MachineField::Kind::Text:
        return jsonString(field.value);
    case MachineField::Kind::Missing:
        return QStringLiteral("null");
    case MachineField::Kind::Number:
    case MachineField::Kind::Boolean:
        break;
    }
    return field.value;
}

} // namespace

MachineField numberField(const QString &name, double value, int decimals)
{
    if (!std::isfinite(value))
        return {name, {}, Kind::Missing};
    return {name, fixedNumber(value, decimals)};
}

QList<MachineField> machineFields(const ReportRow &row, const Request &request)
{
    const sky::PredictedMinimum &minimum = row.minimum;
    const bool naming = namesStars(request);
    QList<MachineField> fields;
    if (naming)
        fields << MachineField{QStringLiteral("star"), starLabel(*minimum.star), Kind::Text};
    if (mayListSecondaries(request))
        fields << MachineField{QStringLiteral("minimum"),
                               minimum.secondary ? QStringLiteral("secondary") : QStringLiteral("primary"),
                               Kind::Text};
    fields << QList<MachineField>{
        {QStringLiteral("cycle"), QString::number(minimum.cycle)},
        {QStringLiteral("utc"), isoDateText(row.utc.date()) + QLatin1Char('T') + clockText(row.utc.time()) + QLatin1Char('Z'), Kind::Text},
        {QStringLiteral("local"),
         isoDateText(row.local.local.date()) + QLatin1Char('T') + clockText(row.local.local.time())
             + offsetText(row.local.offsetSeconds),
         Kind::Text},
        {QStringLiteral("zone"), row.local.abbreviation, Kind::Text},
    };
    if (request.site) {
        const sky::SkyAtInstant &at = *minimum.sky;
        const QString reason = reasonCode(minimum, naming);
        fields << MachineField{naming ? QStringLiteral("star_altitude") : QStringLiteral("algol_altitude"),
                               fixedNumber(at.algol.altitudeDeg, 1)}
               << MachineField{naming ? QStringLiteral("star_azimuth") : QStringLiteral("algol_azimuth"),
                               fixedNumber(azimuthForDisplay(at.algol.azimuthDeg), 1)}
               << MachineField{QStringLiteral("sun_altitude"), fixedNumber(at.sun.altitudeDeg, 1)}
               << MachineField{QStringLiteral("moon_altitude"), fixedNumber(at.moon.altitudeDeg, 1)}
               << MachineField{QStringLiteral("moon_illumination"), fixedNumber(at.moonIlluminatedFraction, 2)}
               << MachineField{QStringLiteral("observable"),
                               minimum.observable() ? QStringLiteral("true") : QStringLiteral("false"),
                               Kind::Boolean}
               << MachineField{QStringLiteral("reason"), reason,
                               reason.isEmpty() ? Kind::Missing : Kind::Text};
    }
    const bool fitted = !request.everyStar && request.elements.kind == sky::ElementSetKind::Fitted;
    fields << optionalNumber(QStringLiteral("uncertainty_minutes"), minimum.uncertaintyMinutes, fitted ? 1 : 0);
    if (fitted)
        fields << optionalNumber(QStringLiteral("scatter_minutes"), minimum.scatterMinutes, 1);
    // Last, after the fields that came before it, so that readers by position keep working.
    fields << optionalNumber(QStringLiteral("watchable_hours"), row.watchableHours, 1);
    return fields;
}

QStringList machineFieldNames(const Request &request)
{
    ReportRow blank;
    if (request.site)
        blank.minimum.sky = sky::SkyAtInstant{};
    QStringList names;
    for (const MachineField &field : machineFields(blank, request))
        names << field.name;
    return names;
}

QString csvLine(const QList<MachineField> &fields)
{
    QStringList cells;
    for (const MachineField &field : fields)
        cells << csvCell(field.value);
    return cells.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString csvHeader(const QList<MachineField> &fields)
{
    QStringList cells;
    for (const MachineField &field : fields)
        cells << csvCell(field.name);
    return cells.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString jsonObject(const QList<MachineField> &fields)
{
    QStringList members;
    for (const MachineField &field : fields)
        members << jsonString(field.name) + QStringLiteral(": ") + jsonValue(field);
    return QLatin1Char('{') + members.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString jsonArray(const QStringList &objects)
{
    if (objects.isEmpty())
        return QStringLiteral("[]\n");
    return QStringLiteral("[\n  ") + objects.join(QStringLiteral(",\n  ")) + QStringLiteral("\n]\n");
}

} // namespace listing
