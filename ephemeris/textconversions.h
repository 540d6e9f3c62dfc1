#pragma once

#include "calendar.h"
#include "regionalsettings.h"
#include "timetypes.h"

#include <optional>
#include <string>
#include <string_view>

// Every conversion between the text of a field and a number or a date.
// Texts are UTF-8. No function here ever throws; a failure is an empty optional.
namespace ephemeris {

// The leading-number rule, used for every typed number (hours, minutes, seconds, offset).
// Reads a decimal number from the start of the text: blanks (space, tab, CR, LF) are skipped
// wherever they occur; optional sign, digits, one "." (never a comma), optional exponent
// ("E" or "D", optional sign, digits); "&H" / "&O" read a hexadecimal / octal integer instead
// (non-negative whatever its length: "&HFFFF" is 65535, not -1).
// Reading stops at the first character that cannot continue the number. No number gives 0.
// Empty only when the number read lies beyond the double range ("1e999"): an overflow.
// Never returns NaN, an infinity or a negative zero.
std::optional<double> leadingNumber(std::string_view text);

// The regional number format. The whole text (surrounding blanks allowed) must be a number
// written with the regional decimal separator: optional sign, digits, optional separator and
// digits, optional exponent. Empty on any other text, and on a value beyond the double range.
std::optional<double> parseRegionalNumber(std::string_view text, const RegionalSettings &regional);
// At most 15 significant digits, regional decimal separator, no grouping, no trailing zeros,
// exponent form ("1E+20") only from 1E+15 up or below 1E-4. value must be finite.
std::string formatRegionalNumber(double value, const RegionalSettings &regional);

// Date text, always read day first: day, month, year separated by "/", "-", "." a blank or the
// regional date separator; one or two digits for day and month; a year of three or four digits,
// or of one or two digits with 0-29 meaning 2000-2029 and 30-99 meaning 1930-1999. Leading and
// trailing blanks are ignored; a time of day after the date ("14:00" or "14:00:00", with ":" or
// the regional time separator) is accepted and ignored. The date must exist in the proleptic
// Gregorian calendar and lie between 01/01/0100 and 31/12/9999.
std::optional<CivilDate> parseDateText(std::string_view text, const RegionalSettings &regional);
// Whole days from 30/12/1899 to the date of a date text; empty when the text is not a date.
std::optional<long long> dayNumberOfText(std::string_view text, const RegionalSettings &regional);

// "dd/mm/yyyy  hh:nn:ss" with the regional date and time separators, rounded to the nearest second,
// an exact half second to the later one (23:59:59.6 shows as 00:00:00 of the next day). Before day
// zero the time runs on continuously: -0.25 is 29/12/1899 18:00:00. Empty when the rounded
// instant lies outside 01/01/0100 00:00:00 .. 31/12/9999 23:59:59 or is not finite: an overflow.
std::optional<std::string> formatInstant(SerialDate instant, const RegionalSettings &regional);

// "DD/MM/YYYY" with the regional date separator, the way the clock fills the date field.
std::string formatDate(const CivilDate &date, const RegionalSettings &regional);

// The pattern "0.000": at least one integer digit, exactly three decimals, rounded half away
// from zero (the exact binary value is rounded: 1.0005 lies just below and shows 1.000), regional
// decimal separator, no grouping; a value that shows as zero has no sign ("0.000", never "-0.000").
// value must be finite.
std::string formatPhase(double value, const RegionalSettings &regional);

// Plain decimal text with "." (the stored offset): shortest text that reads back to the same
// double, no exponent for ordinary magnitudes, "0" for zero.
std::string formatPlainDecimal(double value);

} // namespace ephemeris
