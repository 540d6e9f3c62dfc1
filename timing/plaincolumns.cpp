// Plain columns: time, value and an optional error on each line, separated by blanks, tabs or
// commas; "#" starts a comment. Further columns are left alone. Every row is Algol's.

#include "readerrows.h"
#include "textfields.h"

#include <vector>

namespace timing::detail {

void readPlainColumns(std::string_view text, const PlainColumns &plain, ObservationFile &file)
{
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    std::vector<std::string_view> fields;
    while (lines.next(&line, &number)) {
        line = line.substr(0, line.find('#'));
        fields.clear();
        for (std::size_t start = line.find_first_not_of(" \t,"); start != std::string_view::npos;) {
            const std::size_t end = line.find_first_of(" \t,", start);
            fields.push_back(line.substr(start, end - start));
            start = end == std::string_view::npos ? end : line.find_first_not_of(" \t,", end);
        }
        if (fields.empty())
            continue;
        if (fields.size() < 2) {
            file.problems.push_back({number, LineError::TooFewFields});
            continue;
        }
        addRow(file, number,
               {std::nullopt, fields[0], fields[1], fields.size() > 2 ? fields[2] : "",
                plain.scale, false, {}, {}});
    }
}

} // namespace timing::detail
