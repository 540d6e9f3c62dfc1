#include "starnames.h"

#include "textfields.h"

#include <array>
#include <string>

namespace timing {

namespace {

// Lower case, without blanks; "\xce\xb2" is β in UTF-8.
constexpr std::array<std::string_view, 10> kAlgolNames{
    "algol", "betper", "betaper", "\xce\xb2per", "betpersei", "betapersei", "\xce\xb2persei",
    "hd19356", "hr936", "hip14576",
};

} // namespace

bool isAlgolName(std::string_view name)
{
    std::string key;
    for (const char c : lowerAscii(name)) {
        if (c != ' ' && c != '\t')
            key += c;
    }
    // Capital beta, "\xce\x92", lowers to "\xce\xb2".
    if (key.compare(0, 2, "\xce\x92") == 0)
        key[1] = '\xb2';
    for (const std::string_view known : kAlgolNames) {
        if (key == known)
            return true;
    }
    return false;
}

} // namespace timing
