// The AAVSO data download: a CSV file (or tab-separated) whose first row names the columns; JD
// and Magnitude are needed, Uncertainty, Band, Observer Code and Star Name are used when present.

#include "readerrows.h"
#include "textfields.h"

namespace timing::detail {

namespace {

std::optional<std::size_t> columnNamed(const std::vector<std::string> &names,
                                       std::string_view wanted)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (equalsIgnoringCase(names[i], wanted))
            return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<DownloadColumns> downloadColumns(std::string_view header)
{
    DownloadColumns columns;
    if (header.find(',') == std::string_view::npos && header.find('\t') != std::string_view::npos)
        columns.separator = '\t';
    const std::vector<std::string> names = splitQuotedFields(header, columns.separator);
    const auto jd = columnNamed(names, "JD");
    const auto magnitude = columnNamed(names, "Magnitude");
    if (!jd || !magnitude)
        return std::nullopt;
    columns.jd = *jd;
    columns.magnitude = *magnitude;
    columns.uncertainty = columnNamed(names, "Uncertainty");
    columns.band = columnNamed(names, "Band");
    columns.observer = columnNamed(names, "Observer Code");
    columns.star = columnNamed(names, "Star Name");
    return columns;
}

void readAavsoDownload(std::string_view text, ObservationFile &file, StarRows &stars)
{
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    std::optional<DownloadColumns> columns;
    while (lines.next(&line, &number)) {
        if (trimmed(line).empty() || trimmed(line)[0] == '#')
            continue;
        if (!columns) {
            columns = downloadColumns(line);
            if (!columns)
                return; // not a download: readObservations does not send one here
            continue;
        }
        const std::vector<std::string> fields = splitQuotedFields(line, columns->separator);
        const auto field = [&](std::optional<std::size_t> i) {
            return i && *i < fields.size() ? std::string_view(fields[*i]) : std::string_view();
        };
        if (columns->jd >= fields.size() || columns->magnitude >= fields.size()) {
            file.problems.push_back({number, LineError::TooFewFields});
            continue;
        }
        const std::optional<std::string_view> name =
            columns->star ? std::optional(field(columns->star)) : std::nullopt;
        addRow(file, stars, number,
               {name, field(columns->jd), field(columns->magnitude), field(columns->uncertainty),
                sky::DateScale::JulianDayUtc, false, field(columns->observer),
                field(columns->band)});
    }
}

} // namespace timing::detail
