#pragma once

#include <optional>

namespace ephemeris {

struct CivilDate
{
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
};

// Proleptic Gregorian calendar.
bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Whether the day exists in its month, in any year (the date text checks the range).
bool isValidCivilDate(const CivilDate &date);

// Whole days from 30/12/1899 to the date (negative before it). Exact for any valid date.
long long dayNumberOf(const CivilDate &date);
// The date of a day number (inverse of dayNumberOf, for day numbers whose year fits in an int).
CivilDate civilDateOf(long long dayNumber);

} // namespace ephemeris
