// The AAVSO Extended and Visual file formats: "#KEY=VALUE" header lines (the keys in any case),
// then one row per observation in fixed columns, unless a "#NAME,DATE,..." comment line names
// them. #OBSCODE, #DATE and #DELIM may come again and apply to the rows after them.

#include "readerrows.h"
#include "textfields.h"

#include <algorithm>

namespace timing::detail {

namespace {

struct Columns
{
    std::size_t name = 0;
    std::size_t date = 1;
    std::size_t magnitude = 2;
    std::optional<std::size_t> error; // MERR, Extended only
    std::optional<std::size_t> filter;
};

Columns fixedColumns(FileFormat format)
{
    if (format == FileFormat::AavsoVisual)
        return {};
    return {0, 1, 2, 3, 4};
}

// "#NAME,DATE,MAG,..." names the columns; any order, any case, unknown names ignored.
std::optional<Columns> namedColumns(const std::vector<std::string_view> &names)
{
    if (names.empty() || !equalsIgnoringCase(names[0], "NAME"))
        return std::nullopt;
    Columns columns;
    bool date = false;
    bool magnitude = false;
    for (std::size_t i = 1; i < names.size(); ++i) {
        if (equalsIgnoringCase(names[i], "DATE")) {
            columns.date = i;
            date = true;
        } else if (equalsIgnoringCase(names[i], "MAG")) {
            columns.magnitude = i;
            magnitude = true;
        } else if (equalsIgnoringCase(names[i], "MERR")) {
            columns.error = i;
        } else if (equalsIgnoringCase(names[i], "FILT")) {
            columns.filter = i;
        }
    }
    if (!date || !magnitude)
        return std::nullopt;
    return columns;
}

struct DateType
{
    std::optional<sky::DateScale> scale;
    bool excel = false;
};

DateType dateTypeNamed(std::string_view name)
{
    if (equalsIgnoringCase(name, "JD"))
        return {sky::DateScale::JulianDayUtc};
    if (equalsIgnoringCase(name, "HJD"))
        return {sky::DateScale::HeliocentricUtc};
    if (equalsIgnoringCase(name, "BJD"))
        return {sky::DateScale::BarycentricTdb};
    if (equalsIgnoringCase(name, "EXCEL"))
        return {sky::DateScale::JulianDayUtc, true};
    return {};
}

std::optional<char> delimiterNamed(std::string_view name)
{
    if (equalsIgnoringCase(name, "comma"))
        return ',';
    if (equalsIgnoringCase(name, "tab"))
        return '\t';
    if (name.size() == 1 && name[0] != '#')
        return name[0];
    return std::nullopt;
}

} // namespace

void readAavsoFormat(std::string_view text, ObservationFile &file, StarRows &stars)
{
    const bool visual = file.format == FileFormat::AavsoVisual;
    Columns columns = fixedColumns(file.format);
    DateType dateType{sky::DateScale::JulianDayUtc};
    std::string observer;
    char delimiter = ',';

    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        // The row itself is split untrimmed: a tab may be the delimiter.
        if (trimmed(line).empty())
            continue;
        if (trimmed(line)[0] == '#') {
            const std::string_view header = trimmed(line).substr(1);
            const std::size_t equals = header.find('=');
            if (equals == std::string_view::npos) {
                if (const auto named = namedColumns(splitFields(header, delimiter)))
                    columns = *named;
                continue;
            }
            const std::string_view key = trimmed(header.substr(0, equals));
            // A blank or a tab written as itself is a delimiter too.
            const std::string_view rawValue = header.substr(equals + 1);
            const std::string_view value = trimmed(rawValue);
            if (equalsIgnoringCase(key, "OBSCODE")) {
                observer = value;
            } else if (equalsIgnoringCase(key, "DATE")) {
                dateType = dateTypeNamed(value);
                if (!dateType.scale)
                    file.problems.push_back({number, LineError::UnknownDateType});
            } else if (equalsIgnoringCase(key, "DELIM")) {
                const auto named = delimiterNamed(value.empty() ? rawValue : value);
                if (named)
                    delimiter = *named;
                else
                    file.problems.push_back({number, LineError::UnknownDelimiter});
            }
            continue;
        }
        const std::vector<std::string_view> fields = splitFields(line, delimiter);
        const auto field = [&](std::optional<std::size_t> i) {
            return i && *i < fields.size() ? fields[*i] : std::string_view();
        };
        if (fields.size() <= std::max({columns.name, columns.date, columns.magnitude})) {
            file.problems.push_back({number, LineError::TooFewFields});
            continue;
        }
        addRow(file, stars, number,
               {fields[columns.name], fields[columns.date], fields[columns.magnitude],
                field(columns.error), dateType.scale, dateType.excel, observer,
                visual ? std::string_view("Vis.") : field(columns.filter)});
    }
}

} // namespace timing::detail
