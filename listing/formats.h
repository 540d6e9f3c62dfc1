#pragma once

// One function per output format, each turning the same report into the bytes to write.

#include "report.h"

#include <QByteArray>
#include <QLocale>

namespace listing {

// For people: a header that says what was computed, then aligned columns, in the user's language
// and regional number format.
QByteArray tableText(const Report &report, const QLocale &locale);
// For programs: "." decimals, fixed English field names, times in ISO 8601.
QByteArray csvText(const Report &report);
QByteArray jsonText(const Report &report);
// An iCalendar file (RFC 5545), one event per minimum, to import into a calendar.
QByteArray icsText(const Report &report);

// The iCalendar building blocks: a TEXT value with backslash, semicolon, comma and line ends
// escaped; a content line folded so that no line exceeds 75 octets (a continuation starts with a
// space) and never inside a UTF-8 sequence, ended by CR LF.
QString icsEscaped(QString text);
QByteArray icsContentLine(const QString &line);

QByteArray formattedReport(const Report &report, OutputFormat format, const QLocale &locale);

} // namespace listing
