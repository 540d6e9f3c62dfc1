#include "timingsfile.h"

#include "starcatalogue.h"
#include "textfields.h"
#include "timetypes.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace timing {

namespace {

constexpr std::string_view kComment =
    "# Times of minimum of Algol, one a row, kept by algol-minima time --append.\n"
    "# cycle: E, counted from the epoch of the current elements (HJD 2455528.105, period\n"
    "#   2.867326) whatever the elements named in the elements column, as every list counts it\n"
    "# minimum: the time of minimum, a Julian Day in the scale: JD_UTC (seen from the Earth's\n"
    "#   centre), HJD_UTC (heliocentric) or BJD_TDB (barycentric)\n"
    "# error_days: its standard error; method: kvw (Kwee and van Woerden) or template\n"
    "# points: N, the observations used; pairs: Z, the folded pairs of kvw (0 for template)\n"
    "# oc_days: O-C, the minimum less the elements' prediction\n"
    "# elements: current, classic or EPOCH:PERIOD:hjd|jd; observers: their codes, separated by\n"
    "#   spaces; band: the filter; source: the file of observations\n";
// A file that holds another star's timings: each star counts its cycles from its own epoch.
constexpr std::string_view kStarComment =
    "# Times of minimum of eclipsing binaries, one a row, kept by algol-minima time --append.\n"
    "# cycle: E, counted from the epoch of the star's elements in the program's catalogue\n"
    "#   (algol-minima --stars) whatever the elements named in the elements column\n"
    "# minimum: the time of minimum, a Julian Day in the scale: JD_UTC (seen from the Earth's\n"
    "#   centre), HJD_UTC (heliocentric) or BJD_TDB (barycentric)\n"
    "# error_days: its standard error; method: kvw (Kwee and van Woerden) or template\n"
    "# points: N, the observations used; pairs: Z, the folded pairs of kvw (0 for template)\n"
    "# oc_days: O-C, the minimum less the elements' prediction\n"
    "# elements: current (the catalogue's), classic or EPOCH:PERIOD:hjd|jd; observers: their\n"
    "#   codes, separated by spaces; band: the filter; source: the file of observations\n"
    "# star: the star's AAVSO name; empty (or missing) for Algol (BET PER)\n";
constexpr std::string_view kHeader =
    "cycle,minimum,scale,error_days,method,points,pairs,oc_days,elements,observers,band,source\n";
constexpr std::string_view kStarHeader =
    "cycle,minimum,scale,error_days,method,points,pairs,oc_days,elements,observers,band,source,star\n";
constexpr int kDecimals = 7;
constexpr double kSmallestError = 1e-7; // the last decimal, so that no error is written as 0

std::string fixed(double value)
{
    return fixedDecimals(value, kDecimals);
}

std::optional<sky::DateScale> scaleNamed(std::string_view name)
{
    for (const sky::DateScale scale : {sky::DateScale::JulianDayUtc, sky::DateScale::HeliocentricUtc,
                                       sky::DateScale::BarycentricTdb}) {
        const std::string_view full = scaleName(scale);
        if (equalsIgnoringCase(name, full) || equalsIgnoringCase(name, full.substr(0, full.find('_'))))
            return scale;
    }
    return std::nullopt;
}

struct Columns
{
    std::size_t minimum = 0, error = 0;
    double errorScale = 1; // to days
    std::optional<std::size_t> scale;
    std::optional<sky::DateScale> scaleOfTime; // from the time column's own name
    std::optional<std::size_t> cycle, method, points, pairs, oc, elements, observers, band, source,
        star;
};

std::optional<Columns> columnsOf(const std::vector<std::string> &names)
{
    Columns columns;
    const auto minimum = columnNamed(names, {"minimum", "time", "t0", "tmin", "hjd", "jd", "bjd"});
    std::optional<std::size_t> error = columnNamed(names, {"error_days", "error", "err", "sigma"});
    if (!error) {
        error = columnNamed(names, {"error_minutes", "error_min"});
        columns.errorScale = 1 / ephemeris::kMinutesPerDay;
    }
    columns.scale = columnNamed(names, {"scale"});
    if (minimum)
        columns.scaleOfTime = scaleNamed(names[*minimum]);
    if (!minimum || !error || (!columns.scale && !columns.scaleOfTime))
        return std::nullopt;
    columns.minimum = *minimum;
    columns.error = *error;
    columns.cycle = columnNamed(names, {"cycle", "e"});
    columns.method = columnNamed(names, {"method"});
    columns.points = columnNamed(names, {"points", "n"});
    columns.pairs = columnNamed(names, {"pairs", "z"});
    columns.oc = columnNamed(names, {"oc_days"});
    columns.elements = columnNamed(names, {"elements"});
    columns.observers = columnNamed(names, {"observers"});
    columns.band = columnNamed(names, {"band"});
    columns.source = columnNamed(names, {"source"});
    columns.star = columnNamed(names, {"star"});
    return columns;
}

// A text as one field of one line: its control characters written out.
std::string printable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c == '\t')
            shown += "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xf];
        else
            shown += c;
    }
    return shown;
}

std::string field(std::string_view text)
{
    return csvField(printable(text));
}

// A whole number that fits; 0 for anything else in the optional columns.
long long wholeNumber(std::string_view text)
{
    const std::optional<double> value = parseNumber(text);
    return value && std::fabs(*value) < 1e15 ? std::llround(*value) : 0;
}

} // namespace

TimingRecord recordOf(const EclipseTiming &timing, sky::DateScale scale,
                      std::string_view elements, std::string_view source, const sky::Star &star)
{
    TimingRecord record;
    record.star = &star;
    record.cycle = timing.cycle;
    record.minimum = timing.minimum;
    record.scale = scale;
    record.errorDays = timing.errorDays;
    record.method = methodName(timing.method);
    record.points = timing.points;
    record.pairs = timing.pairs;
    record.ocDays = timing.ocDays;
    record.elements = printable(elements);
    for (const std::string &observer : timing.observers)
        record.observers += (record.observers.empty() ? "" : " ") + printable(observer);
    record.band = printable(timing.band);
    record.source = printable(source);
    return record;
}

std::string_view scaleName(sky::DateScale scale)
{
    switch (scale) {
    case sky::DateScale::JulianDayUtc:
        return "JD_UTC";
    case sky::DateScale::HeliocentricUtc:
        return "HJD_UTC";
    case sky::DateScale::BarycentricTdb:
        return "BJD_TDB";
    }
    return {};
}

bool needStarColumn(const std::vector<TimingRecord> &records)
{
    return std::any_of(records.begin(), records.end(),
                       [](const TimingRecord &r) { return r.star != &sky::algolStar(); });
}

std::string timingsFileText(const std::vector<TimingRecord> &records)
{
    const bool starColumn = needStarColumn(records);
    return std::string(starColumn ? kStarComment : kComment) + std::string(timingsHeader(starColumn))
        + '\n' + timingRows(records, starColumn);
}

std::string timingRows(const std::vector<TimingRecord> &records, bool starColumn)
{
    std::string text;
    for (const TimingRecord &r : records) {
        text += std::to_string(r.cycle) + ',' + fixed(r.minimum) + ',';
        text += std::string(scaleName(r.scale)) + ',' + fixed(std::max(r.errorDays, kSmallestError));
        text += ',' + field(r.method) + ',' + std::to_string(r.points) + ','
            + std::to_string(r.pairs) + ',' + fixed(r.ocDays) + ',' + field(r.elements) + ','
            + field(r.observers) + ',' + field(r.band) + ',' + field(r.source);
        if (starColumn)
            text += ',' + field(r.star->aavsoName);
        text += '\n';
    }
    return text;
}

std::string_view timingsHeader(bool starColumn)
{
    const std::string_view header = starColumn ? kStarHeader : kHeader;
    return header.substr(0, header.size() - 1);
}

HeaderRow headerRowOf(std::string_view text)
{
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    while (lines.next(&line, &number)) {
        line = trimmed(line);
        if (!line.empty() && line[0] != '#')
            return line == timingsHeader(false) ? HeaderRow::Own
                : line == timingsHeader(true)   ? HeaderRow::OwnWithStar
                                                : HeaderRow::Other;
    }
    return HeaderRow::None;
}

std::string withStarColumn(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = trimmed(text.substr(start, end - start));
        if (!line.empty() && line[0] != '#') {
            if (line != timingsHeader(false))
                break;
            return std::string(text.substr(0, start)) + std::string(timingsHeader(true))
                + std::string(text.substr(end));
        }
        start = text.find_first_not_of("\r\n", end);
        if (start == std::string_view::npos)
            break;
    }
    return std::string(text);
}

TimingsFile readTimings(std::string_view text)
{
    TimingsFile file;
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    std::optional<Columns> columns;
    while (lines.next(&line, &number)) {
        if (trimmed(line).empty() || trimmed(line)[0] == '#')
            continue;
        if (!columns) {
            columns = columnsOf(splitQuotedFields(line, ','));
            if (!columns) {
                file.problems.push_back({number, LineError::MissingColumns});
                return file;
            }
            continue;
        }
        const std::vector<std::string> fields = splitQuotedFields(line, ',');
        const auto field = [&](std::optional<std::size_t> i) {
            return i && *i < fields.size() ? std::string_view(fields[*i]) : std::string_view();
        };
        const auto fail = [&](LineError error) { file.problems.push_back({number, error}); };
        TimingRecord record;
        const std::optional<double> minimum = parseNumber(field(columns->minimum));
        if (!minimum) {
            fail(LineError::UnreadableTime);
            continue;
        }
        if (!(*minimum >= kEarliestJd && *minimum <= kLatestJd)) {
            fail(LineError::TimeOutOfRange);
            continue;
        }
        const std::optional<double> error = parseNumber(field(columns->error));
        if (!error || !(*error >= 0 && *error < 1e6)) {
            fail(LineError::UnreadableError);
            continue;
        }
        if (*error == 0) {
            fail(LineError::ZeroError);
            continue;
        }
        const std::optional<sky::DateScale> scale =
            columns->scale ? scaleNamed(field(columns->scale)) : columns->scaleOfTime;
        if (!scale) {
            fail(LineError::UnknownScale);
            continue;
        }
        if (const std::string_view name = trimmed(field(columns->star)); !name.empty()) {
            record.star = sky::findStar(name);
            if (!record.star) {
                fail(LineError::UnknownStar);
                continue;
            }
        }
        record.minimum = *minimum;
        record.errorDays = *error * columns->errorScale;
        record.scale = *scale;
        record.cycle = wholeNumber(field(columns->cycle));
        record.method = field(columns->method);
        record.points = int(std::clamp(wholeNumber(field(columns->points)), 0LL, 1LL << 30));
        record.pairs = int(std::clamp(wholeNumber(field(columns->pairs)), 0LL, 1LL << 30));
        record.ocDays = parseNumber(field(columns->oc)).value_or(0);
        record.elements = field(columns->elements);
        record.observers = field(columns->observers);
        record.band = field(columns->band);
        record.source = field(columns->source);
        file.records.push_back(std::move(record));
    }
    return file;
}

NewTimings newTimings(const std::vector<TimingRecord> &records,
                      const std::vector<TimingRecord> &added, double periodDays)
{
    NewTimings result;
    const auto same = [&](const TimingRecord &old, const TimingRecord &record) {
        if (old.star != record.star || old.band != record.band || old.observers != record.observers)
            return false;
        const double apart = std::fabs(old.minimum - sky::convertDate(record.minimum, record.scale,
                                                                      old.scale, *record.star));
        return apart < periodDays / 2 && apart <= std::max(old.errorDays, record.errorDays);
    };
    for (const TimingRecord &record : added) {
        const auto there = [&](const TimingRecord &old) { return same(old, record); };
        if (std::any_of(records.begin(), records.end(), there)
            || std::any_of(result.records.begin(), result.records.end(), there)) {
            ++result.skipped;
        } else {
            result.records.push_back(record);
        }
    }
    return result;
}

} // namespace timing
