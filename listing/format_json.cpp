#include "formats.h"

#include "machinefields.h"

namespace listing {

namespace {

// A JSON string (RFC 8259): quotes, backslashes and control characters escaped.
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

// An array of objects, one per line, fields in a fixed order.
QByteArray jsonText(const Report &report)
{
    const bool withSite = report.request.site.has_value();
    QStringList objects;
    for (const ReportRow &row : report.rows) {
        QStringList members;
        for (const MachineField &field : machineFields(row, withSite))
            members << jsonString(field.name) + QStringLiteral(": ") + jsonValue(field);
        objects << QStringLiteral("  {") + members.join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    if (objects.isEmpty())
        return QByteArrayLiteral("[]\n");
    return (QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n")).toUtf8();
}

} // namespace listing
