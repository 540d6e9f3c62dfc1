#pragma once

// Nights as observers name them: a night runs from one local noon to the next and bears the date
// of its evening, so that a minimum at 04:35 on Sunday belongs to Saturday's night, "the night of
// 19/20 Dec". The list, the chart and the period all decide a night here.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace planner {

// The date of the evening of the night that holds the instant in the zone: its local date, or the
// day before when its local time is before noon.
QDate nightOf(const QDateTime &instant, const QTimeZone &zone);

// The instant a night starts in the zone: its evening's local noon.
QDateTime nightStart(QDate evening, const QTimeZone &zone);

// "night of Sat 19/20 Dec" ("nuit du sam. 19 au 20 déc."), for a row of the list.
QString shortNightName(QDate evening, const QLocale &locale);
// "Night of Saturday 19/20 December 2026" ("Nuit du samedi 19 au 20 décembre 2026"), for a title.
QString longNightName(QDate evening, const QLocale &locale);

} // namespace planner
