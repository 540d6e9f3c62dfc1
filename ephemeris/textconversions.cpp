#include "textconversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

// Nothing here depends on the C or C++ locale: digits are read and written by hand or with
// std::from_chars / std::to_chars, and the separators come from the regional settings passed in.
namespace ephemeris {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool skipText(std::string_view text, std::size_t &pos, std::string_view expected)
{
    if (expected.empty() || text.substr(pos).substr(0, expected.size()) != expected)
        return false;
    pos += expected.size();
    return true;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

void appendPadded(std::string &text, long long value, int width)
{
    if (value < 0) {
        text += '-';
        value = -value;
    }
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        text.append(width - digits.size(), '0');
    text += digits;
}

// floor(x * factor * 2^shift + 1/2), exactly, from the bits of x. factor below 2^10 and
// |x * factor * 2^shift| below 2^61 keep every intermediate value in a long long.
long long roundHalfUp(double x, int factor, int shift)
{
    if (x == 0)
        return 0;
    int exponent = 0;
    const double fraction = std::frexp(x, &exponent); // x = fraction * 2^exponent, 1/2 <= |fraction| < 1
    const long long scaled = static_cast<long long>(std::ldexp(fraction, 53)) * factor;
    const int dropped = 53 - exponent - shift; // x * factor * 2^shift = scaled / 2^dropped
    if (dropped <= 0)
        return scaled * (1LL << -dropped);
    if (dropped > 63)
        return 0; // |scaled / 2^dropped| < 1/2
    // floor(s / 2^d + 1/2) = floor((floor(s / 2^(d-1)) + 1) / 2), with arithmetic shifts.
    return ((scaled >> (dropped - 1)) + 1) >> 1;
}

// The leading-number rule reads on through blanks wherever they occur.
class BlankSkippingReader
{
public:
    explicit BlankSkippingReader(std::string_view text) : m_text(text) {}

    // The next character that is not a blank, or '\0' at the end of the text.
    char peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void next() { ++m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A decimal number as read from a text: its digits without the point, how many of them stand
// before the point, and the exponent (held back far beyond the double range, so never overflowing).
struct DecimalParts
{
    bool negative = false;
    std::string digits;
    long long integerDigits = 0;
    long long exponent = 0;
};

constexpr long long kExponentLimit = 1'000'000'000'000LL;

void appendExponentDigit(long long &magnitude, char digit)
{
    if (magnitude < kExponentLimit)
        magnitude = magnitude * 10 + (digit - '0');
}

// The double nearest to the decimal number. Empty above the double range; 0 below it.
std::optional<double> valueOf(const DecimalParts &parts)
{
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    // The number is d.ddd... * 10^scale, with d the first significant digit.
    const long long scale =
        parts.integerDigits - static_cast<long long>(first) - 1 + parts.exponent;
    if (scale > 400)
        return std::nullopt;
    if (scale < -400)
        return 0.0;

    std::string text(1, parts.digits[first]);
    if (first + 1 < parts.digits.size()) {
        text += '.';
        text.append(parts.digits, first + 1);
    }
    text += 'e';
    text += std::to_string(scale);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return scale > 0 ? std::nullopt : std::optional<double>(0.0);
    if (result.ec != std::errc() || value == 0)
        return 0.0;
    return parts.negative ? -value : value;
}

// "&H" / "&O": a non-negative integer, whatever its length (no 16- or 32-bit wrap-around into
// negative values); empty when it lies beyond the double range.
std::optional<double> radixValue(BlankSkippingReader &reader, int bitsPerDigit)
{
    std::string bits;
    for (;;) {
        const char c = upper(reader.peek());
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (bitsPerDigit == 4 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= (1 << bitsPerDigit))
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += (digit >> bit) & 1 ? '1' : '0';
        reader.next();
    }
    if (bits.empty())
        return 0.0;
    // Regroup the bits by four and let from_chars round them.
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2
            + (bits[i + 3] - '0');
        hex += "0123456789ABCDEF"[nibble];
    }
    double value = 0;
    const auto result =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

// Day and month: one or two digits; empty when there are none or more.
std::optional<int> readDigits(std::string_view text, std::size_t &pos, std::size_t maxDigits,
                              std::size_t *count = nullptr)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (pos - start == maxDigits)
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    if (count)
        *count = pos - start;
    return value;
}

bool skipDateSeparator(std::string_view text, std::size_t &pos, const RegionalSettings &regional)
{
    if (skipText(text, pos, regional.dateSeparator))
        return true;
    if (pos < text.size()
        && (text[pos] == '/' || text[pos] == '-' || text[pos] == '.' || isBlank(text[pos]))) {
        ++pos;
        return true;
    }
    return false;
}

bool skipTimeSeparator(std::string_view text, std::size_t &pos, const RegionalSettings &regional)
{
    return skipText(text, pos, regional.timeSeparator) || skipText(text, pos, ":");
}

// "hh:mm" or "hh:mm:ss" after the date; it must be a real time of day, but it is not kept.
bool skipTimeOfDay(std::string_view text, std::size_t &pos, const RegionalSettings &regional)
{
    const auto hours = readDigits(text, pos, 2);
    if (!hours || *hours > 23 || !skipTimeSeparator(text, pos, regional))
        return false;
    const auto minutes = readDigits(text, pos, 2);
    if (!minutes || *minutes > 59)
        return false;
    if (skipTimeSeparator(text, pos, regional)) {
        const auto seconds = readDigits(text, pos, 2);
        if (!seconds || *seconds > 59)
            return false;
    }
    return true;
}

} // namespace

std::optional<double> leadingNumber(std::string_view text)
{
    BlankSkippingReader reader(text);
    if (reader.peek() == '&') {
        reader.next();
        const char radix = upper(reader.peek());
        if (radix != 'H' && radix != 'O')
            return 0.0;
        reader.next();
        return radixValue(reader, radix == 'H' ? 4 : 3);
    }

    DecimalParts parts;
    if (reader.peek() == '+' || reader.peek() == '-') {
        parts.negative = reader.peek() == '-';
        reader.next();
    }
    for (; isDigit(reader.peek()); reader.next()) {
        parts.digits += reader.peek();
        ++parts.integerDigits;
    }
    if (reader.peek() == '.') {
        reader.next();
        for (; isDigit(reader.peek()); reader.next())
            parts.digits += reader.peek();
    }
    if (parts.digits.empty())
        return 0.0;
    if (upper(reader.peek()) == 'E' || upper(reader.peek()) == 'D') {
        reader.next();
        bool negativeExponent = false;
        if (reader.peek() == '+' || reader.peek() == '-') {
            negativeExponent = reader.peek() == '-';
            reader.next();
        }
        for (; isDigit(reader.peek()); reader.next())
            appendExponentDigit(parts.exponent, reader.peek());
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    return valueOf(parts);
}

std::optional<double> parseRegionalNumber(std::string_view text, const RegionalSettings &regional)
{
    text = trimmed(text);
    std::size_t pos = 0;
    DecimalParts parts;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        parts.negative = text[pos++] == '-';
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        parts.digits += text[pos];
        ++parts.integerDigits;
    }
    if (skipText(text, pos, regional.decimalSeparator)) {
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            parts.digits += text[pos];
    }
    if (parts.digits.empty())
        return std::nullopt;
    if (pos < text.size() && upper(text[pos]) == 'E') {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            negativeExponent = text[pos++] == '-';
        if (pos == text.size() || !isDigit(text[pos]))
            return std::nullopt;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            appendExponentDigit(parts.exponent, text[pos]);
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (pos != text.size())
        return std::nullopt;
    return valueOf(parts);
}

std::string formatRegionalNumber(double value, const RegionalSettings &regional)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    // "-d.dddddddddddddde+XX": fifteen significant digits, correctly rounded.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, 14).ptr;
    const std::string_view scientific(buffer, end - buffer);
    const std::size_t e = scientific.find('e');
    const bool negative = value < 0;
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (isDigit(c))
            digits += c;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());

    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1)
            text += regional.decimalSeparator + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        appendPadded(text, std::abs(exponent), 2);
    } else if (exponent < 0) {
        text += "0" + regional.decimalSeparator;
        text.append(-exponent - 1, '0');
        text += digits;
    } else {
        const std::size_t integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits);
            text += regional.decimalSeparator + digits.substr(integerDigits);
        }
    }
    return text;
}

std::optional<CivilDate> parseDateText(std::string_view text, const RegionalSettings &regional)
{
    text = trimmed(text);
    std::size_t pos = 0;
    std::size_t yearDigits = 0;
    const auto day = readDigits(text, pos, 2);
    if (!day || !skipDateSeparator(text, pos, regional))
        return std::nullopt;
    const auto month = readDigits(text, pos, 2);
    if (!month || !skipDateSeparator(text, pos, regional))
        return std::nullopt;
    const auto year = readDigits(text, pos, 4, &yearDigits);
    if (!year)
        return std::nullopt;
    if (pos < text.size()) {
        // Blanks, then the time of day.
        const std::size_t afterYear = pos;
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos == afterYear || !skipTimeOfDay(text, pos, regional) || pos != text.size())
            return std::nullopt;
    }

    CivilDate date{*year, *month, *day};
    if (yearDigits <= 2)
        date.year += *year < 30 ? 2000 : 1900;
    if (date.year < 100 || date.year > 9999 || !isValidCivilDate(date))
        return std::nullopt;
    return date;
}

std::optional<long long> dayNumberOfText(std::string_view text, const RegionalSettings &regional)
{
    const auto date = parseDateText(text, regional);
    if (!date)
        return std::nullopt;
    return dayNumberOf(*date);
}

std::optional<std::string> formatInstant(SerialDate instant, const RegionalSettings &regional)
{
    // Outside these bounds no rounding can bring the instant back into the range.
    if (!(instant >= kFirstSerialDay - 1 && instant <= kLastSerialDay + 2))
        return std::nullopt;
    // The nearest second of the exact value, a half second going to the later one. The day is
    // the floor of the serial date, before 30/12/1899 as well (-0.25 is 29/12/1899 18:00).
    constexpr long long kSeconds = 86400;
    const long long seconds = roundHalfUp(instant, 675, 7); // 86400 = 675 * 2^7
    const long long day = seconds >= 0 ? seconds / kSeconds : -((-seconds + kSeconds - 1) / kSeconds);
    const long long secondOfDay = seconds - day * kSeconds;
    if (day < kFirstSerialDay || day > kLastSerialDay)
        return std::nullopt;

    const CivilDate date = civilDateOf(day);
    std::string text = formatDate(date, regional);
    text += "  ";
    appendPadded(text, secondOfDay / 3600, 2);
    text += regional.timeSeparator;
    appendPadded(text, secondOfDay / 60 % 60, 2);
    text += regional.timeSeparator;
    appendPadded(text, secondOfDay % 60, 2);
    return text;
}

std::string formatDate(const CivilDate &date, const RegionalSettings &regional)
{
    std::string text;
    appendPadded(text, date.day, 2);
    text += regional.dateSeparator;
    appendPadded(text, date.month, 2);
    text += regional.dateSeparator;
    appendPadded(text, date.year, 4);
    return text;
}

std::string formatPhase(double value, const RegionalSettings &regional)
{
    if (!std::isfinite(value))
        return {};
    // The thousandths of |value|, a half going up, computed from the exact binary value: 0.0625
    // shows as 0.063, while 1.0005, whose double lies just below, shows as 1.000.
    const double magnitude = std::fabs(value);
    std::string digits;
    if (magnitude < 0x1p49) {
        appendPadded(digits, roundHalfUp(magnitude, 125, 3), 4); // 1000 = 125 * 2^3
    } else {
        // From 2^49 on a double is a multiple of 1/8: its three decimals are exact.
        char buffer[400];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::fixed, 3).ptr;
        for (const char *c = buffer; c != end; ++c) {
            if (isDigit(*c))
                digits += *c;
        }
    }
    // A phase that shows as zero shows without a sign: "0.000", never "-0.000".
    const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - 3);
    text += regional.decimalSeparator;
    text += digits.substr(digits.size() - 3);
    return text;
}

std::string formatPlainDecimal(double value)
{
    if (value == 0)
        return "0";
    // Shortest digits that read back to the same double; fixed notation for ordinary magnitudes,
    // "1e+20" style beyond them (the leading-number rule reads both).
    const double magnitude = std::fabs(value);
    const auto format = magnitude >= 1e-5 && magnitude < 1e15 ? std::chars_format::fixed
                                                              : std::chars_format::general;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format).ptr;
    return std::string(buffer, end);
}

} // namespace ephemeris
