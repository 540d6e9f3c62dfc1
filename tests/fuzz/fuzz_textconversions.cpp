// Fuzz target: the text conversions of the ephemeris library, on any bytes.
//
// Input: the first line names the regional settings (fr, en, de, fi, nl, ar; any other text picks
// one by its first byte); each of the next eight lines is a field that goes through every reading
// rule (leading number, regional number, date text), and whatever reads is formatted every way
// (plain decimal, regional number, instant, phase, date) and read back.

#include "fields.h"

#include "calendar.h"
#include "regionalsettings.h"
#include "textconversions.h"
#include "timetypes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

using namespace ephemeris;

namespace {

struct NamedSettings
{
    const char *name;
    RegionalSettings settings;
};

// Separators as systems give them; the Arabic decimal separator is two bytes in UTF-8.
const std::array<NamedSettings, 6> kRegions{{
    {"fr", RegionalSettings::french()},
    {"en", RegionalSettings::english()},
    {"de", {",", ".", ":"}},
    {"fi", {",", ".", "."}},
    {"nl", {",", "-", ":"}},
    {"ar", {"\xd9\xab", "/", ":"}},
}};

const RegionalSettings &regionNamed(const std::string &line)
{
    for (const NamedSettings &region : kRegions) {
        if (line == region.name)
            return region.settings;
    }
    const auto first = line.empty() ? 0u : static_cast<unsigned char>(line[0]);
    return kRegions[first % kRegions.size()].settings;
}

std::string number(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string datePart(const CivilDate &date)
{
    return std::to_string(date.day) + "/" + std::to_string(date.month) + "/"
        + std::to_string(date.year);
}

bool sameDate(const CivilDate &a, const CivilDate &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

constexpr std::size_t kFieldsPerInput = 8;

// The largest value whose 15-digit regional text still lies within the double range.
constexpr double kLargestFifteenDigits = 1.79769313486231e308;

void checkPlainDecimal(double value)
{
    const std::string text = formatPlainDecimal(value);
    const auto back = leadingNumber(text);
    FUZZ_CHECK(back && sameBits(*back, value), number(value) + " as " + fuzz::quoted(text));
}

void checkRegionalNumber(double value, const RegionalSettings &regional)
{
    const std::string text = formatRegionalNumber(value, regional);
    const std::string context = number(value) + " as " + fuzz::quoted(text);
    std::string digits;
    for (const char c : text.substr(0, text.find('E')))
        digits += c >= '0' && c <= '9' ? std::string(1, c) : std::string();
    const std::size_t significant =
        digits.size() - std::min(digits.find_first_not_of('0'), digits.size());
    FUZZ_CHECK(!digits.empty() && significant <= 15, context);
    if (std::fabs(value) > kLargestFifteenDigits)
        return;
    const auto back = parseRegionalNumber(text, regional);
    FUZZ_CHECK(back && std::isfinite(*back), context);
    FUZZ_CHECK(*back == value || std::fabs(*back - value) <= std::fabs(value) * 1e-14,
               context + " read back as " + number(*back));
}

void checkInstant(double serial, const RegionalSettings &regional)
{
    const auto text = formatInstant(serial, regional);
    const std::string context = number(serial) + " as " + fuzz::quoted(text.value_or("(none)"));
    constexpr double kSecond = 1.0 / kSecondsPerDay;
    if (serial >= kFirstSerialDay && serial < kLastSerialDay + 1 - kSecond)
        FUZZ_CHECK(text, context);
    if (serial < kFirstSerialDay - kSecond || serial >= kLastSerialDay + 1)
        FUZZ_CHECK(!text, context);
    if (!text)
        return;

    // The date text rule reads a date followed by a time of day: the instant text is one.
    const auto date = parseDateText(*text, regional);
    FUZZ_CHECK(date, context);
    const std::string shownDate = formatDate(*date, regional);
    FUZZ_CHECK(text->compare(0, shownDate.size(), shownDate) == 0, context);
    const std::string &ts = regional.timeSeparator;
    const std::string time = text->substr(shownDate.size());
    FUZZ_CHECK(time.size() == 8 + 2 * ts.size() && time.compare(0, 2, "  ") == 0
                   && time.compare(4, ts.size(), ts) == 0
                   && time.compare(6 + ts.size(), ts.size(), ts) == 0,
               context);
    const double hours = std::stod(time.substr(2, 2));
    const double minutes = std::stod(time.substr(4 + ts.size(), 2));
    const double seconds = std::stod(time.substr(6 + 2 * ts.size(), 2));
    // The shown second is the nearest one to the exact instant.
    const double shownSeconds = double(dayNumberOf(*date)) * kSecondsPerDay + hours * 3600
        + minutes * 60 + seconds;
    FUZZ_CHECK(std::fabs(shownSeconds - serial * kSecondsPerDay) <= 0.5 + 1e-4, context);
}

void checkPhase(double value, const RegionalSettings &regional)
{
    const std::string text = formatPhase(value, regional);
    const std::string context = number(value) + " as " + fuzz::quoted(text);
    const std::string &separator = regional.decimalSeparator;
    FUZZ_CHECK(text.size() >= 4 + separator.size(), context);
    const std::size_t point = text.size() - 3 - separator.size();
    FUZZ_CHECK(text.compare(point, separator.size(), separator) == 0, context);
    const bool negative = text[0] == '-';
    FUZZ_CHECK(point > (negative ? 1u : 0u), context);
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        if (i < point || i >= point + separator.size())
            FUZZ_CHECK(text[i] >= '0' && text[i] <= '9', context);
    }
    const auto back = parseRegionalNumber(text, regional);
    FUZZ_CHECK(back, context);
    FUZZ_CHECK(!negative || *back != 0, context); // never "-0,000"
    FUZZ_CHECK(std::fabs(*back - value) <= 0.0005 * (1 + 1e-9) + std::fabs(value) * 0x1p-52,
               context + " read back as " + number(*back));
}

// Everything that a number read from a field can become.
void checkNumber(double value, const RegionalSettings &regional, const std::string &field)
{
    FUZZ_CHECK(std::isfinite(value) && !(value == 0 && std::signbit(value)),
               fuzz::quoted(field) + " read as " + number(value));
    checkPlainDecimal(value);
    checkRegionalNumber(value, regional);
    checkInstant(value, regional);
    checkPhase(value, regional);
}

void checkDate(const std::string &field, const RegionalSettings &regional)
{
    const auto date = parseDateText(field, regional);
    const auto day = dayNumberOfText(field, regional);
    FUZZ_CHECK(date.has_value() == day.has_value(), fuzz::quoted(field));
    if (!date)
        return;
    const std::string context = fuzz::quoted(field) + " read as " + datePart(*date);
    FUZZ_CHECK(date->year >= 100 && date->year <= 9999 && isValidCivilDate(*date), context);
    FUZZ_CHECK(*day == dayNumberOf(*date) && sameDate(civilDateOf(*day), *date), context);
    FUZZ_CHECK(*day >= kFirstSerialDay && *day <= kLastSerialDay, context);

    const std::string shown = formatDate(*date, regional);
    const auto back = parseDateText(shown, regional);
    FUZZ_CHECK(back && sameDate(*back, *date), context + ", shown as " + fuzz::quoted(shown));
    const std::string &ts = regional.timeSeparator;
    FUZZ_CHECK(formatInstant(double(*day), regional) == shown + "  00" + ts + "00" + ts + "00",
               context);
    FUZZ_CHECK(formatInstant(*day + 0.5, regional) == shown + "  12" + ts + "00" + ts + "00",
               context);
}

void checkField(const std::string &field, const RegionalSettings &regional)
{
    if (const auto value = leadingNumber(field))
        checkNumber(*value, regional, field);

    if (const auto value = parseRegionalNumber(field, regional)) {
        checkNumber(*value, regional, field);
        // The same text with "." for the regional separator reads the same by the leading-number
        // rule, which knows no other separator.
        std::string dotted = field;
        const std::size_t separator = dotted.find(regional.decimalSeparator);
        if (separator != std::string::npos)
            dotted.replace(separator, regional.decimalSeparator.size(), ".");
        const auto leading = leadingNumber(dotted);
        FUZZ_CHECK(leading && sameBits(*leading, *value),
                   fuzz::quoted(field) + " read as " + number(*value) + " and as "
                       + (leading ? number(*leading) : "(none)"));
    }

    checkDate(field, regional);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> fields = fuzz::splitFields(data, size);
    const RegionalSettings &regional = regionNamed(fields[0]);
    // A handful of fields, so that one call stays about what one form's worth of typing costs.
    for (std::size_t i = 1; i < std::min(fields.size(), kFieldsPerInput + 1); ++i)
        checkField(fields[i], regional);
    return 0;
}
