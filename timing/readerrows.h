#pragma once

// What the readers of observations.cpp share: one row's fields as text, checked and added once.

#include "observations.h"

#include <optional>
#include <string>
#include <string_view>

namespace timing::detail {

// Which rows are the star's: those of the star asked for, or else of the first star of the
// catalogue that a row names (Algol's when none does). A name is looked up once for a run of rows
// that repeat it.
class StarRows
{
public:
    explicit StarRows(const sky::Star *wanted) : m_chosen(wanted) {}
    bool keeps(std::string_view name);
    const sky::Star &star() const { return m_chosen ? *m_chosen : sky::algolStar(); }

private:
    const sky::Star *m_chosen;
    std::string m_lastName;
    const sky::Star *m_lastStar = nullptr;
    bool m_looked = false;
};

struct RowFields
{
    std::optional<std::string_view> name; // none: the row is the file's star's
    std::string_view time;
    std::string_view value;
    std::string_view error;
    std::optional<sky::DateScale> scale; // none: the rows' date type is unknown
    bool excel = false;                  // days from 30/12/1899, on UTC
    std::string_view observer;
    std::string_view band;
};

void addRow(ObservationFile &file, StarRows &stars, long long line, const RowFields &row);

// The download's columns from its header row; empty when it names no JD and Magnitude columns.
struct DownloadColumns
{
    char separator = ',';
    std::size_t jd = 0;
    std::size_t magnitude = 0;
    std::optional<std::size_t> uncertainty, band, observer, star;
};
std::optional<DownloadColumns> downloadColumns(std::string_view header);

void readAavsoFormat(std::string_view text, ObservationFile &file, StarRows &stars);
void readAavsoDownload(std::string_view text, ObservationFile &file, StarRows &stars);
void readPlainColumns(std::string_view text, const PlainColumns &plain, ObservationFile &file,
                      StarRows &stars);

} // namespace timing::detail
