#pragma once

// How the fuzz targets read their input: one field per line, so that a corpus file reads like
// what a user would type into successive fields (a missing line is an empty field), or fields
// separated by another byte, such as the NUL that ends each argument of a command line.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::vector<std::string> splitFields(const std::uint8_t *data, std::size_t size,
                                            char separator = '\n')
{
    std::vector<std::string> fields;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        fields.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

inline std::string fieldAt(const std::vector<std::string> &fields, std::size_t index)
{
    return index < fields.size() ? fields[index] : std::string();
}

// A field as C source would write it, for the messages.
inline std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A broken invariant: say which and on what, then abort so that the fuzzer keeps the input.
[[noreturn]] inline void fail(const char *condition, const char *file, int line,
                              const std::string &context)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  with %s\n", file, line, condition,
                 context.c_str());
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition, context)                                                      \
    do {                                                                                     \
        if (!(condition))                                                                    \
            ::fuzz::fail(#condition, __FILE__, __LINE__, (context));                         \
    } while (false)
