#pragma once

// Instants between Julian Days, UTC and the observer's zone, with its summer time, and the zones
// that a name may give.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <optional>

namespace listing {

// The longest zone name read: the database's longest has 32 characters.
inline constexpr qsizetype kLongestZoneName = 64;

// The zone of a name of the zone database in /usr/share/zoneinfo, where Qt reads the zones: a zone
// or a link of its tzdata.zi ("Europe/Paris", "Etc/GMT-2", "US/Eastern"), or "UTC". Anything else
// (a POSIX rule such as "XYZ+99", a path, a file of that folder that is no zone such as "localtime"
// or "zone.tab", a name longer than kLongestZoneName) gives nothing, without opening its file.
std::optional<QTimeZone> zoneNamed(const QString &name);

// The zone that a link of the zone database stands for, from the text of its tzdata.zi: the line
// "L America/New_York US/Eastern" gives America/New_York for US/Eastern. Empty when the text has
// no such line for the name.
QByteArray zoneLinkTarget(QByteArrayView tzdataZi, QByteArrayView name);

// A wall-clock date and time in a zone as one instant. A time skipped when the clocks go forward
// is read with the offset in force before the change (02:30 on a spring-forward night in Paris is
// 03:30 summer time); a time that occurs twice when they go back is its first occurrence (summer
// time). This is how RFC 5545 reads such local times.
QDateTime resolveLocalTime(QDate date, QTime time, const QTimeZone &zone);

// Julian Day (UTC) of an instant, and the instant of a Julian Day rounded to the nearest second.
double julianDayOf(const QDateTime &instant);
QDateTime utcOfJulianDay(double julianDayUtc);

// How an instant reads in a zone: local date and time, the zone's abbreviation then ("CET",
// "CEST") and its offset from UTC.
struct LocalTime
{
    QDateTime local; // the wall clock in the zone (as an offset from UTC)
    QString abbreviation;
    int offsetSeconds = 0;
};
LocalTime localTimeOf(const QDateTime &instant, const QTimeZone &zone);

// "+01:00", "-03:30", "+00:00", and with the seconds when there are some: "-00:44:30".
QString offsetText(int offsetSeconds);

// Fixed-width texts, written directly (QDateTime::toString parses its pattern at every call):
// "2026-12-10", "21:14:05" or "21:14", and the iCalendar form of a UTC instant "20261210T211405Z".
QString isoDateText(QDate date);
QString clockText(QTime time, bool withSeconds = true);
QString icsUtcText(const QDateTime &utc);

} // namespace listing
