#include "night.h"

#include "plannertexts.h"
#include "zonetime.h"

namespace planner {

QDate nightOf(const QDateTime &instant, const QTimeZone &zone)
{
    const QDateTime local = instant.toTimeZone(zone);
    return local.time().hour() < 12 ? local.date().addDays(-1) : local.date();
}

QDateTime nightStart(QDate evening, const QTimeZone &zone)
{
    return listing::resolveLocalTime(evening, QTime(12, 0), zone);
}

QString shortNightName(QDate evening, const QLocale &locale)
{
    const QDate morning = evening.addDays(1);
    const QString weekday = locale.dayName(evening.dayOfWeek(), QLocale::ShortFormat);
    const QString month = locale.monthName(morning.month(), QLocale::ShortFormat);
    if (evening.month() == morning.month())
        return AlgolPlanner::tr("night of %1 %2/%3 %4")
            .arg(weekday).arg(evening.day()).arg(morning.day()).arg(month);
    return AlgolPlanner::tr("night of %1 %2 %3/%4 %5")
        .arg(weekday).arg(evening.day())
        .arg(locale.monthName(evening.month(), QLocale::ShortFormat))
        .arg(morning.day()).arg(month);
}

QString longNightName(QDate evening, const QLocale &locale)
{
    const QDate morning = evening.addDays(1);
    const QString weekday = locale.dayName(evening.dayOfWeek(), QLocale::LongFormat);
    const QString month = locale.monthName(morning.month(), QLocale::LongFormat);
    if (evening.month() == morning.month())
        return AlgolPlanner::tr("Night of %1 %2/%3 %4 %5")
            .arg(weekday).arg(evening.day()).arg(morning.day()).arg(month).arg(morning.year());
    return AlgolPlanner::tr("Night of %1 %2 %3/%4 %5 %6")
        .arg(weekday).arg(evening.day())
        .arg(locale.monthName(evening.month(), QLocale::LongFormat))
        .arg(morning.day()).arg(month).arg(morning.year());
}

} // namespace planner
