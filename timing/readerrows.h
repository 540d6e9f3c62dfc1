#pragma once

// What the readers of observations.cpp share: one row's fields as text, checked and added once.

#include "observations.h"

#include <optional>
#include <string_view>

namespace timing::detail {

struct RowFields
{
    std::optional<std::string_view> name; // none: the file is Algol's
    std::string_view time;
    std::string_view value;
    std::string_view error;
    std::optional<sky::DateScale> scale; // none: the rows' date type is unknown
    bool excel = false;                  // days from 30/12/1899, on UTC
    std::string_view observer;
    std::string_view band;
};

void addRow(ObservationFile &file, long long line, const RowFields &row);

// The download's columns from its header row; empty when it names no JD and Magnitude columns.
struct DownloadColumns
{
    char separator = ',';
    std::size_t jd = 0;
    std::size_t magnitude = 0;
    std::optional<std::size_t> uncertainty, band, observer, star;
};
std::optional<DownloadColumns> downloadColumns(std::string_view header);

void readAavsoFormat(std::string_view text, ObservationFile &file);
void readAavsoDownload(std::string_view text, ObservationFile &file);
void readPlainColumns(std::string_view text, const PlainColumns &plain, ObservationFile &file);

} // namespace timing::detail
