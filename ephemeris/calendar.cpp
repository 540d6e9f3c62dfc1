#include "calendar.h"

namespace ephemeris {

namespace {

// Days from 01/03/0000 of the proleptic Gregorian calendar, counted with years that start in
// March so that the leap day is the last day of its year (a cycle of 400 years is 146097 days).
constexpr long long daysSinceMarchOfYearZero(long long year, int month, int day)
{
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

// 30/12/1899, day 0 of the serial dates.
constexpr long long kDayZero = daysSinceMarchOfYearZero(1899, 12, 30);

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidCivilDate(const CivilDate &date)
{
    return date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

long long dayNumberOf(const CivilDate &date)
{
    return daysSinceMarchOfYearZero(date.year, date.month, date.day) - kDayZero;
}

CivilDate civilDateOf(long long dayNumber)
{
    const long long days = dayNumber + kDayZero;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

} // namespace ephemeris
