#include "observinglog.h"

#include "starcatalogue.h"

#include "calendar.h"
#include "textfields.h"
#include "timetypes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>

namespace timing {

namespace {

constexpr std::string_view kComment =
    "# Observing log of Algol for one night, kept by algol-planner: one row per estimate or\n"
    "# imported point, in time order. A field holding a comma, a quote or a line end is written in\n"
    "# double quotes, \"\" standing for a quote. Lines that start with # are comments.\n"
    "# jd_utc: the time, a Julian Day on UTC; utc: the same as a date and time of UTC, for reading\n"
    "#   (jd_utc is what counts)\n"
    "# kind: magnitude (a magnitude typed), step (a step estimate between two comparison stars),\n"
    "#   fainter (Algol fainter than the magnitude), imported (a point read from another file)\n"
    "# magnitude: the magnitude; a step estimate \"a s1 V s2 b\" gives m_a + s1/(s1+s2) (m_b - m_a)\n"
    "# estimate: as typed; comp1, comp2: the comparison stars of a step estimate by their labels,\n"
    "#   the magnitude times ten without the point (\"30\" for 3.01)\n"
    "# codes: AAVSO comment codes (B U W L D Y K S Z I V); note: the observer's words\n"
    "# band, error, observer, source: an imported point's filter (\"Vis.\" for visual), its error in\n"
    "#   magnitudes (0 when not given), its observer code and the file it came from\n";
constexpr std::string_view kHeader =
    "jd_utc,utc,kind,magnitude,estimate,comp1,comp2,codes,note,band,error,observer,source\n";
constexpr std::array<std::string_view, 4> kKindNames{"magnitude", "step", "fainter", "imported"};
// Beyond any magnitude, differential ones included.
constexpr double kLargestMagnitude = 100;
constexpr std::size_t kLongestAavsoNote = 100;

// A CSV field on one line: the log is read line by line, so a line end in a text becomes a blank.
std::string logField(std::string_view text)
{
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return csvField(line);
}

std::string_view kindName(EntryKind kind)
{
    return kKindNames[std::size_t(kind)];
}

// "2026-12-25 21:13:39".
std::string utcText(double jdUtc)
{
    const auto seconds = std::llround((jdUtc - ephemeris::kJulianDayOffset) * ephemeris::kSecondsPerDay);
    const long long perDay = 86400;
    const long long day = seconds >= 0 ? seconds / perDay : -((-seconds + perDay - 1) / perDay);
    const long long second = seconds - day * perDay;
    const ephemeris::CivilDate date = ephemeris::civilDateOf(day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld", date.year, date.month, date.day,
                  second / 3600, second / 60 % 60, second % 60);
    return text;
}

struct Columns
{
    std::size_t time = 0, magnitude = 0;
    std::optional<std::size_t> kind, estimate, comp1, comp2, codes, note, band, error, observer, source;
};

std::optional<Columns> columnsOf(const std::vector<std::string> &names)
{
    const auto time = columnNamed(names, {"jd_utc", "jd"});
    const auto magnitude = columnNamed(names, {"magnitude", "mag"});
    if (!time || !magnitude)
        return std::nullopt;
    return Columns{*time,
                   *magnitude,
                   columnNamed(names, {"kind"}),
                   columnNamed(names, {"estimate"}),
                   columnNamed(names, {"comp1"}),
                   columnNamed(names, {"comp2"}),
                   columnNamed(names, {"codes"}),
                   columnNamed(names, {"note"}),
                   columnNamed(names, {"band"}),
                   columnNamed(names, {"error"}),
                   columnNamed(names, {"observer"}),
                   columnNamed(names, {"source"})};
}

EntryKind kindOf(std::string_view name, const LogEntry &entry)
{
    for (std::size_t i = 0; i < kKindNames.size(); ++i) {
        if (equalsIgnoringCase(name, kKindNames[i]))
            return EntryKind(i);
    }
    const std::string_view estimate = trimmed(entry.estimate);
    if (estimate.empty())
        return EntryKind::Imported;
    if (estimate.front() == '<')
        return EntryKind::FainterThan;
    return entry.comp1.empty() ? EntryKind::Magnitude : EntryKind::Step;
}

// A field of the AAVSO Visual file: ASCII without commas or line ends, "na" when empty.
std::string aavsoField(std::string_view text, std::size_t longest = std::string::npos)
{
    const std::string latin = latinStarName(trimmed(text));
    std::string field;
    for (std::size_t i = 0; i < latin.size(); ++i) {
        const auto c = static_cast<unsigned char>(latin[i]);
        if (c >= 0x80) {
            field += '?';
            while (i + 1 < latin.size() && (static_cast<unsigned char>(latin[i + 1]) & 0xC0) == 0x80)
                ++i;
        } else if (c == ',') {
            field += ';';
        } else {
            field += c < 0x20 || c == 0x7F ? ' ' : char(c);
        }
    }
    field = std::string(trimmed(std::string_view(field).substr(0, longest)));
    return field.empty() ? "na" : field;
}

} // namespace

LogEntry estimateEntry(double jdUtc, std::string_view typed, const Estimate &estimate)
{
    LogEntry entry;
    entry.jdUtc = jdUtc;
    entry.kind = estimate.kind == EstimateKind::Step ? EntryKind::Step
               : estimate.kind == EstimateKind::FainterThan ? EntryKind::FainterThan : EntryKind::Magnitude;
    entry.magnitude = estimate.magnitude;
    entry.estimate = trimmed(typed);
    entry.comp1 = estimate.comp1;
    entry.comp2 = estimate.comp2;
    return entry;
}

bool samePoint(const LogEntry &a, const LogEntry &b)
{
    return std::llround(a.jdUtc * ephemeris::kSecondsPerDay) == std::llround(b.jdUtc * ephemeris::kSecondsPerDay)
        && a.kind == b.kind && std::fabs(a.magnitude - b.magnitude) <= 1e-4 && a.estimate == b.estimate
        && a.source == b.source;
}

std::string logText(const std::vector<LogEntry> &entries)
{
    std::string text(kComment);
    text += kHeader;
    for (const LogEntry &e : entries) {
        text += fixedDecimals(e.jdUtc, 6) + ',' + utcText(e.jdUtc) + ',' + std::string(kindName(e.kind)) + ','
            + fixedDecimals(e.magnitude, 4) + ',' + logField(e.estimate) + ',' + logField(e.comp1) + ','
            + logField(e.comp2) + ',' + logField(e.codes) + ',' + logField(e.note) + ',' + logField(e.band)
            + ',' + fixedDecimals(e.error, 4) + ',' + logField(e.observer) + ',' + logField(e.source) + '\n';
    }
    return text;
}

LogFile readLog(std::string_view text)
{
    LogFile file;
    Lines lines(text);
    std::string_view line;
    long long number = 0;
    std::optional<Columns> columns;
    while (lines.next(&line, &number)) {
        if (trimmed(line).empty() || trimmed(line)[0] == '#')
            continue;
        if (!columns) {
            columns = columnsOf(splitQuotedFields(line, ','));
            if (!columns)
                return file;
            file.hasHeader = true;
            continue;
        }
        const std::vector<std::string> fields = splitQuotedFields(line, ',');
        const auto field = [&](std::optional<std::size_t> i) {
            return i && *i < fields.size() ? std::string_view(fields[*i]) : std::string_view();
        };
        const auto fail = [&](LineError error) { file.problems.push_back({number, error}); };
        if (fields.size() <= std::max(columns->time, columns->magnitude)) {
            fail(LineError::TooFewFields);
            continue;
        }
        LogEntry entry;
        const std::optional<double> time = parseNumber(field(columns->time));
        if (!time) {
            fail(LineError::UnreadableTime);
            continue;
        }
        if (!(*time >= kEarliestJd && *time <= kLatestJd)) {
            fail(LineError::TimeOutOfRange);
            continue;
        }
        const std::optional<double> magnitude = parseNumber(field(columns->magnitude));
        if (!magnitude) {
            fail(LineError::UnreadableValue);
            continue;
        }
        if (!(std::fabs(*magnitude) <= kLargestMagnitude)) {
            fail(LineError::ValueOutOfRange);
            continue;
        }
        const std::string_view errorText = trimmed(field(columns->error));
        const std::optional<double> error = errorText.empty() ? 0.0 : parseNumber(errorText);
        if (!error || !(*error >= 0 && *error <= kLargestMagnitude)) {
            fail(LineError::UnreadableError);
            continue;
        }
        entry.jdUtc = *time;
        entry.magnitude = *magnitude;
        entry.error = *error;
        entry.estimate = field(columns->estimate);
        entry.comp1 = field(columns->comp1);
        entry.comp2 = field(columns->comp2);
        entry.codes = field(columns->codes);
        entry.note = field(columns->note);
        entry.band = field(columns->band);
        entry.observer = field(columns->observer);
        entry.source = field(columns->source);
        entry.kind = kindOf(field(columns->kind), entry);
        file.entries.push_back(std::move(entry));
    }
    return file;
}

std::string aavsoVisualText(const std::vector<LogEntry> &entries, const AavsoVisualHeader &header,
                            const sky::Star &star)
{
    const std::string name = aavsoField(star.aavsoName);
    std::string text = "#TYPE=Visual\n#OBSCODE=" + aavsoField(header.observerCode) + "\n#SOFTWARE="
        + aavsoField(header.software) + "\n#DELIM=,\n#DATE=JD\n#OBSTYPE=Visual\n"
        + "#NAME,DATE,MAG,COMMENTCODE,COMP1,COMP2,CHART,NOTES\n";
    const std::string chart = aavsoField(header.chartId);
    for (const LogEntry &e : entries) {
        if (e.kind == EntryKind::Imported)
            continue;
        std::string notes = e.kind == EntryKind::Step ? e.estimate : std::string();
        if (!trimmed(e.note).empty())
            notes += (notes.empty() ? "" : "; ") + e.note;
        text += name + ',' + fixedDecimals(e.jdUtc, 4) + ','
            + (e.kind == EntryKind::FainterThan ? "<" : "") + fixedDecimals(e.magnitude, 1) + ','
            + aavsoField(e.codes) + ',' + aavsoField(e.comp1) + ',' + aavsoField(e.comp2) + ',' + chart
            + ',' + aavsoField(notes, kLongestAavsoNote) + '\n';
    }
    return text;
}

std::vector<Observation> observationsOf(const std::vector<LogEntry> &entries, std::string_view observerCode)
{
    std::vector<Observation> observations;
    for (const LogEntry &e : entries) {
        if (e.kind == EntryKind::FainterThan)
            continue;
        const bool imported = e.kind == EntryKind::Imported;
        observations.push_back({e.jdUtc, sky::DateScale::JulianDayUtc, e.magnitude, e.error,
                                imported ? e.observer : std::string(observerCode),
                                imported ? e.band : std::string("Vis.")});
    }
    return observations;
}

} // namespace timing
