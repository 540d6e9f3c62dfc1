#include "textfields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace timing {

Lines::Lines(std::string_view text) : m_rest(text)
{
    if (m_rest.substr(0, 3) == "\xEF\xBB\xBF")
        m_rest.remove_prefix(3);
}

bool Lines::next(std::string_view *line, long long *number)
{
    if (m_done)
        return false;
    const std::size_t end = m_rest.find_first_of("\r\n");
    *number = ++m_number;
    if (end == std::string_view::npos) {
        *line = m_rest;
        m_done = true;
        return !line->empty();
    }
    *line = m_rest.substr(0, end);
    const bool crlf = m_rest[end] == '\r' && end + 1 < m_rest.size() && m_rest[end + 1] == '\n';
    m_rest.remove_prefix(end + (crlf ? 2 : 1));
    return true;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

char lowerAsciiChar(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAsciiChar(a[i]) != lowerAsciiChar(b[i]))
            return false;
    }
    return true;
}

std::optional<std::size_t> columnNamed(const std::vector<std::string> &names,
                                       std::initializer_list<std::string_view> wanted)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (const std::string_view name : wanted) {
            if (equalsIgnoringCase(names[i], name))
                return i;
        }
    }
    return std::nullopt;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = lowerAsciiChar(c);
    return lower;
}

std::optional<double> parseNumber(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitFields(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = line.find(separator);
        fields.push_back(trimmed(line.substr(0, end)));
        if (end == std::string_view::npos || fields.size() == kMostFields)
            return fields;
        line.remove_prefix(end + 1);
    }
}

std::vector<std::string> splitQuotedFields(std::string_view line, char separator)
{
    // Appended a run at a time: a field as long as the line is allocated once.
    std::vector<std::string> fields(1);
    const char specials[] = {'"', separator};
    bool quoted = false;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t next = quoted ? line.find('"', i)
                                        : line.find_first_of(std::string_view(specials, 2), i);
        fields.back().append(line.substr(i, next - i));
        if (next == std::string_view::npos)
            break;
        i = next + 1;
        if (quoted && i < line.size() && line[i] == '"') {
            fields.back() += '"'; // "" inside quotes
            ++i;
        } else if (quoted || line[next] == '"') {
            quoted = !quoted;
        } else if (fields.size() < kMostFields) {
            fields.emplace_back();
        } else {
            break;
        }
    }
    for (std::string &field : fields) {
        const std::size_t first = field.find_first_not_of(" \t");
        field.erase(first == std::string::npos ? 0 : field.find_last_not_of(" \t") + 1);
        field.erase(0, std::min(first, field.size()));
    }
    return fields;
}

std::string fixedDecimals(double value, int decimals)
{
    char text[400]; // 309 digits before the point at most
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                      std::clamp(decimals, 0, 17));
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

} // namespace timing
