#pragma once

// The small text tools that every reader of this library shares. They work on bytes: any byte,
// NUL and invalid UTF-8 included, passes through them without harm.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timing {

// The lines of a text, without their ends ("\n", "\r\n" or a lone "\r"); a UTF-8 byte order mark
// at the start is left out. Line numbers count from 1.
class Lines
{
public:
    explicit Lines(std::string_view text);
    // The next line into *line and its number into *number; false at the end of the text.
    bool next(std::string_view *line, long long *number);

private:
    std::string_view m_rest;
    long long m_number = 0;
    bool m_done = false;
};

// The text without the blanks (spaces and tabs) around it.
std::string_view trimmed(std::string_view text);

// ASCII letters compared without case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string lowerAscii(std::string_view text);
// The index of the first of a header's names that is one of those wanted, without case.
std::optional<std::size_t> columnNamed(const std::vector<std::string> &names,
                                       std::initializer_list<std::string_view> wanted);

// A decimal number written with "." and an optional sign and exponent, nothing else around it but
// blanks; empty for anything else, for infinities, NaN, and values beyond the double range.
std::optional<double> parseNumber(std::string_view text);

// The fields of a line separated by one character, blanks around each field left out, the first
// kMostFields of them: no file read here has half as many columns, and a line of a million
// separators must not become a million fields. With quoting, a field may be written in double
// quotes, "" standing for one quote inside them (CSV).
inline constexpr std::size_t kMostFields = 256;
std::vector<std::string_view> splitFields(std::string_view line, char separator);
std::vector<std::string> splitQuotedFields(std::string_view line, char separator);

// The number with that many decimals, "." for the point (any finite double, however large).
std::string fixedDecimals(double value, int decimals);

// A field for a CSV line: in double quotes when it holds a comma, a quote or a line end.
std::string csvField(std::string_view text);

} // namespace timing
