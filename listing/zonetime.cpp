#include "zonetime.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace listing {

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr qint64 kSecondsPerDay = 86400;

// value as exactly `width` decimal digits (value is never negative here, and fits).
void appendDigits(QString &text, int value, int width)
{
    QChar digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = QChar(u'0' + value % 10);
        value /= 10;
    }
    text.append(digits, width);
}

void appendDate(QString &text, QDate date, bool separated)
{
    appendDigits(text, date.year(), 4);
    if (separated)
        text += QLatin1Char('-');
    appendDigits(text, date.month(), 2);
    if (separated)
        text += QLatin1Char('-');
    appendDigits(text, date.day(), 2);
}

void appendClock(QString &text, QTime time, bool separated, bool withSeconds)
{
    appendDigits(text, time.hour(), 2);
    if (separated)
        text += QLatin1Char(':');
    appendDigits(text, time.minute(), 2);
    if (!withSeconds)
        return;
    if (separated)
        text += QLatin1Char(':');
    appendDigits(text, time.second(), 2);
}

// The zone database's list of its zones and links, read once.
const QByteArray &databaseList()
{
    static const QByteArray list = [] {
        QFile file(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return list;
}

// Whether tzdata.zi has the line "Z NAME ..." (a zone) or "L TARGET NAME" (a link to one).
bool isDatabaseName(const QByteArray &name)
{
    const QByteArray &list = databaseList();
    return list.contains("\nZ " + name + ' ') || !zoneLinkTarget(list, name).isEmpty();
}

} // namespace

QByteArray zoneLinkTarget(QByteArrayView tzdataZi, QByteArrayView name)
{
    if (name.isEmpty() || name.contains(' ') || name.contains('\n'))
        return {};
    const QByteArray linkEnd = ' ' + name.toByteArray() + '\n';
    for (qsizetype at = tzdataZi.indexOf(linkEnd); at > 0; at = tzdataZi.indexOf(linkEnd, at + 1)) {
        const qsizetype lineStart = tzdataZi.lastIndexOf('\n', at) + 1;
        const QByteArrayView line = tzdataZi.sliced(lineStart, at - lineStart);
        if (line.startsWith("L ") && line.size() > 2 && !line.sliced(2).contains(' '))
            return line.sliced(2).toByteArray();
    }
    return {};
}

std::optional<QTimeZone> zoneNamed(const QString &name)
{
    // Names are ASCII letters, digits and "/_+-": never a "." (no "..", no "zone.tab"), nor a
    // blank or a line end that would match across the fields of tzdata.zi.
    const auto inName = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
            || c == u'/' || c == u'_' || c == u'+' || c == u'-';
    };
    if (name.isEmpty() || name.size() > kLongestZoneName || !std::all_of(name.begin(), name.end(), inName))
        return std::nullopt;
    const QByteArray id = name.toLatin1();
    if (id != "UTC" && !isDatabaseName(id))
        return std::nullopt;
    const QTimeZone zone(id);
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

QDateTime resolveLocalTime(QDate date, QTime time, const QTimeZone &zone)
{
    // The wall-clock reading counted as if it were UTC; subtracting the right offset gives the
    // instant. The candidates are the offsets in force a day either side: a zone changes its
    // offset at most once in that span.
    const qint64 wall = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    const int before = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(wall - kSecondsPerDay, Qt::UTC));
    const int after = zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(wall + kSecondsPerDay, Qt::UTC));
    std::optional<qint64> first;
    for (const int offset : {before, after}) {
        const qint64 candidate = wall - offset;
        if (zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(candidate, Qt::UTC)) != offset)
            continue;
        if (!first || candidate < *first)
            first = candidate;
    }
    // In a gap no candidate reads back: the offset from before the change decides.
    return QDateTime::fromSecsSinceEpoch(first.value_or(wall - before), Qt::UTC);
}

double julianDayOf(const QDateTime &instant)
{
    return kUnixEpochJulianDay + double(instant.toMSecsSinceEpoch()) / (kSecondsPerDay * 1000.0);
}

QDateTime utcOfJulianDay(double julianDayUtc)
{
    const auto seconds = std::llround((julianDayUtc - kUnixEpochJulianDay) * kSecondsPerDay);
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

LocalTime localTimeOf(const QDateTime &instant, const QTimeZone &zone)
{
    // One look-up in the zone's rules gives both the offset and the abbreviation; zones of a
    // fixed offset ("UTC", "UTC+02:00") have no rules and answer the two questions apart.
    QTimeZone::OffsetData data = zone.offsetData(instant);
    if (!data.atUtc.isValid()) {
        data.offsetFromUtc = zone.offsetFromUtc(instant);
        data.abbreviation = zone.abbreviation(instant);
    }
    return {instant.toOffsetFromUtc(data.offsetFromUtc), data.abbreviation, data.offsetFromUtc};
}

QString offsetText(int offsetSeconds)
{
    // A zone's offset is less than a day, so the hours take two digits.
    const int seconds = std::abs(offsetSeconds);
    QString text(1, offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'));
    appendDigits(text, seconds / 3600, 2);
    text += QLatin1Char(':');
    appendDigits(text, seconds / 60 % 60, 2);
    if (seconds % 60 != 0) {
        text += QLatin1Char(':');
        appendDigits(text, seconds % 60, 2);
    }
    return text;
}

QString isoDateText(QDate date)
{
    QString text;
    appendDate(text, date, true);
    return text;
}

QString clockText(QTime time, bool withSeconds)
{
    QString text;
    appendClock(text, time, true, withSeconds);
    return text;
}

QString icsUtcText(const QDateTime &utc)
{
    QString text;
    text.reserve(16);
    appendDate(text, utc.date(), false);
    text += QLatin1Char('T');
    appendClock(text, utc.time(), false, true);
    text += QLatin1Char('Z');
    return text;
}

} // namespace listing
