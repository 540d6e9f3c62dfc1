// Plain columns: time, value and an optional error on each line, separated by blanks, tabs, ";"
// or commas; "#" starts a comment. Further columns are left alone. Every row is the file's star's.
// Where blanks, tabs or ";" separate the columns, a number with one comma between its digits has
// a decimal comma, as a French spreadsheet writes "2461400,18231<TAB>2,088"; a line whose only
// separators are commas has none.

#include "readerrows.h"
#include "textfields.h"

#include <string>
#include <vector>

namespace timing::detail {

namespace {

constexpr std::size_t kColumns = 3; // time, value, error

bool hasDecimalComma(std::string_view word)
{
    const std::size_t digits = word.find_first_of("+-") == 0 ? 1 : 0;
    const std::size_t comma = word.find(',');
    return comma != std::string_view::npos && comma > digits && comma + 1 < word.size()
        && word.find(',', comma + 1) == std::string_view::npos
        && word.find_first_not_of("0123456789,", digits) == std::string_view::npos;
}

// The first columns of a line (at most kColumns: a line of a million separators stays small).
std::vector<std::string> columnsOf(std::string_view line)
{
    std::vector<std::string_view> words; // between blanks, tabs and ";"
    for (std::size_t start = line.find_first_not_of(" \t;");
         start != std::string_view::npos && words.size() < kColumns;) {
        const std::size_t end = line.find_first_of(" \t;", start);
        words.push_back(line.substr(start, end - start));
        start = end == std::string_view::npos ? end : line.find_first_not_of(" \t;", end);
    }
    std::vector<std::string> columns;
    for (const std::string_view word : words) {
        if (words.size() > 1 && hasDecimalComma(word)) {
            std::string number(word);
            number[number.find(',')] = '.';
            columns.push_back(std::move(number));
            continue;
        }
        for (std::size_t start = word.find_first_not_of(',');
             start != std::string_view::npos && columns.size() < kColumns;) {
            const std::size_t end = word.find(',', start);
            columns.emplace_back(word.substr(start, end - start));
            start = end == std::string_view::npos ? end : word.find_first_not_of(',', end);
        }
    }
    columns.resize(std::min(columns.size(), kColumns));
    return columns;
}

} // namespace

void readPlainColumns(std::string_view text, const PlainColumns &plain, ObservationFile &file,
                      StarRows &stars)
{
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        const std::vector<std::string> columns = columnsOf(line.substr(0, line.find('#')));
        if (columns.empty())
            continue;
        if (columns.size() < 2) {
            file.problems.push_back({number, LineError::TooFewFields});
            continue;
        }
        addRow(file, stars, number,
               {std::nullopt, columns[0], columns[1], columns.size() > 2 ? columns[2] : "",
                plain.scale, false, {}, {}});
    }
}

} // namespace timing::detail
