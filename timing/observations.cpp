#include "observations.h"

#include "readerrows.h"
#include "starcatalogue.h"
#include "textfields.h"
#include "timetypes.h"

#include <cmath>

namespace timing {

namespace {

// Beyond any magnitude or flux, and far enough from the double range that squares stay finite.
constexpr double kLargestValue = 1e6;

// A field that the AAVSO formats leave empty.
bool isEmptyField(std::string_view field)
{
    return field.empty() || equalsIgnoringCase(field, "na");
}

enum class Detected { Extended, Visual, Download, Plain };

Detected detect(std::string_view text)
{
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        line = trimmed(line);
        if (line.empty())
            continue;
        if (line[0] != '#')
            return detail::downloadColumns(line) ? Detected::Download : Detected::Plain;
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos
            && equalsIgnoringCase(trimmed(line.substr(1, equals - 1)), "TYPE")) {
            const std::string_view type = trimmed(line.substr(equals + 1));
            if (equalsIgnoringCase(type, "EXTENDED"))
                return Detected::Extended;
            if (equalsIgnoringCase(type, "VISUAL"))
                return Detected::Visual;
        }
    }
    return Detected::Plain;
}

} // namespace

std::string_view lineErrorText(LineError error)
{
    switch (error) {
    case LineError::TooFewFields:
        return "too few fields";
    case LineError::UnreadableTime:
        return "the time is not a number";
    case LineError::TimeOutOfRange:
        return "the time is not between JD 2000000 and 2600000";
    case LineError::UnreadableValue:
        return "the measurement is not a number";
    case LineError::ValueOutOfRange:
        return "the measurement is out of range";
    case LineError::UnreadableError:
        return "the error is negative or not a number";
    case LineError::UnknownDateType:
        return "the date type is not JD, HJD, BJD or EXCEL";
    case LineError::UnknownDelimiter:
        return "the delimiter is not one character, comma or tab";
    case LineError::UnknownScale:
        return "the scale is not JD_UTC, HJD_UTC or BJD_TDB";
    case LineError::ZeroError:
        return "the error is zero";
    case LineError::MissingColumns:
        return "no column for the time of minimum, its error or its scale";
    case LineError::UnknownStar:
        return "the star is not one of the catalogue's (algol-minima --stars)";
    }
    return {};
}

namespace detail {

bool StarRows::keeps(std::string_view name)
{
    if (!m_looked || name != m_lastName) {
        m_lastName = name;
        m_lastStar = sky::findStar(name);
        m_looked = true;
    }
    if (!m_chosen)
        m_chosen = m_lastStar;
    return m_lastStar && m_lastStar == m_chosen;
}

void addRow(ObservationFile &file, StarRows &stars, long long line, const RowFields &row)
{
    if (row.name && !stars.keeps(*row.name)) {
        ++file.otherStars;
        return;
    }
    const std::string_view valueText = trimmed(row.value);
    if (!valueText.empty() && valueText[0] == '<') {
        ++file.fainterThan;
        return;
    }
    const auto fail = [&](LineError error) { file.problems.push_back({line, error}); };
    if (!row.scale)
        return fail(LineError::UnknownDateType);
    std::optional<double> time = parseNumber(row.time);
    if (!time)
        return fail(LineError::UnreadableTime);
    if (row.excel)
        *time += ephemeris::kJulianDayOffset;
    if (!(*time >= kEarliestJd && *time <= kLatestJd))
        return fail(LineError::TimeOutOfRange);
    const std::optional<double> value = isEmptyField(valueText) ? std::nullopt
                                                                : parseNumber(valueText);
    if (!value)
        return fail(LineError::UnreadableValue);
    if (!(std::fabs(*value) <= kLargestValue))
        return fail(LineError::ValueOutOfRange);
    double error = 0;
    if (!isEmptyField(trimmed(row.error))) {
        const std::optional<double> given = parseNumber(row.error);
        if (!given || !(*given >= 0 && *given <= kLargestValue))
            return fail(LineError::UnreadableError);
        error = *given;
    }
    file.observations.push_back({*time, *row.scale, *value, error, std::string(row.observer),
                                 std::string(row.band)});
}

} // namespace detail

ObservationFile readObservations(std::string_view text, std::string_view source,
                                 const PlainColumns &plain, const sky::Star *star)
{
    ObservationFile file;
    file.source = source;
    detail::StarRows stars(star);
    switch (detect(text)) {
    case Detected::Extended:
        file.format = FileFormat::AavsoExtended;
        detail::readAavsoFormat(text, file, stars);
        break;
    case Detected::Visual:
        file.format = FileFormat::AavsoVisual;
        detail::readAavsoFormat(text, file, stars);
        break;
    case Detected::Download:
        file.format = FileFormat::AavsoDownload;
        detail::readAavsoDownload(text, file, stars);
        break;
    case Detected::Plain:
        file.format = FileFormat::PlainColumns;
        file.flux = plain.flux;
        detail::readPlainColumns(text, plain, file, stars);
        break;
    }
    file.star = &stars.star();
    return file;
}

} // namespace timing
