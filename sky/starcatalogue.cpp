#include "starcatalogue.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <utility>

namespace sky {

extern const std::string_view kStarCatalogueText;

namespace {

constexpr std::size_t kFields = 22;
constexpr std::string_view kNone = "-";

// Greek letters by their place in the alphabet from alpha, final sigma counted as sigma.
constexpr std::array<std::string_view, 25> kGreekAbbreviations{
    "alp", "bet", "gam", "del", "eps", "zet", "eta", "the", "iot", "kap", "lam", "mu", "nu",
    "xi",  "omi", "pi",  "rho", "sig", "sig", "tau", "ups", "phi", "chi", "psi", "ome",
};
// Spelled out, longest first where one begins another.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> kGreekNames{{
    {"omicron", "omi"}, {"epsilon", "eps"}, {"upsilon", "ups"}, {"lambda", "lam"},
    {"alpha", "alp"}, {"gamma", "gam"}, {"delta", "del"}, {"theta", "the"}, {"kappa", "kap"},
    {"sigma", "sig"}, {"omega", "ome"}, {"beta", "bet"}, {"zeta", "zet"},
}};
// The genitives of the catalogue's constellations, without blanks.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kGenitives{{
    {"persei", "per"}, {"tauri", "tau"}, {"lyrae", "lyr"}, {"herculis", "her"},
    {"librae", "lib"}, {"lacertae", "lac"}, {"cassiopeiae", "cas"}, {"sagittae", "sge"},
    {"cephei", "cep"}, {"ursaemajoris", "uma"}, {"vulpeculae", "vul"}, {"cygni", "cyg"},
    {"canumvenaticorum", "cvn"}, {"trianguli", "tri"},
}};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|')) {
        fields.push_back(trimmed(line.substr(0, bar)));
        line.remove_prefix(bar + 1);
    }
    fields.push_back(trimmed(line));
    return fields;
}

template <typename Number>
bool parse(std::string_view text, Number *value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(*value))
            return false;
    }
    return error == std::errc() && end == text.data() + text.size();
}

bool parseOptional(std::string_view text, std::optional<double> *value)
{
    if (text == kNone) {
        value->reset();
        return true;
    }
    double number = 0;
    if (!parse(text, &number))
        return false;
    *value = number;
    return true;
}

bool parseCatalogueNumber(std::string_view text, int *value)
{
    if (text == kNone) {
        *value = 0;
        return true;
    }
    return parse(text, value) && *value > 0;
}

std::vector<std::string> namesOf(std::string_view field)
{
    std::vector<std::string> names;
    if (field == kNone)
        return names;
    for (std::size_t comma = field.find(','); ; comma = field.find(',')) {
        names.emplace_back(trimmed(field.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        field.remove_prefix(comma + 1);
    }
    return names;
}

// Why the fields do not make a star; empty when they do.
std::string starFromFields(const std::vector<std::string_view> &f, Star *star)
{
    if (f.size() != kFields)
        return std::to_string(f.size()) + " fields instead of " + std::to_string(kFields);
    if (f[0].empty() || f[1].empty())
        return "no designation or AAVSO name";
    star->designation = f[0];
    star->aavsoName = f[1];
    star->otherNames = namesOf(f[2]);
    double maximum = 0, minimum = 0;
    if (!parseCatalogueNumber(f[3], &star->hr) || !parseCatalogueNumber(f[4], &star->hd)
        || !parseCatalogueNumber(f[5], &star->hip))
        return "a catalogue number is not a positive whole number";
    if (!parse(f[6], &star->rightAscensionDeg) || !parse(f[7], &star->declinationDeg)
        || !(star->rightAscensionDeg >= 0 && star->rightAscensionDeg < 360)
        || !(std::fabs(star->declinationDeg) <= 90))
        return "no place on the sky";
    if (!parse(f[8], &star->properMotionRaCosDecMasPerYear)
        || !parse(f[9], &star->properMotionDecMasPerYear)
        || !parseOptional(f[10], &star->parallaxMas)
        || !parseOptional(f[11], &star->radialVelocityKmPerS))
        return "a proper motion, parallax or radial velocity is not a number";
    if (!parse(f[12], &maximum) || !parse(f[13], &minimum) || !(minimum > maximum)
        || !parseOptional(f[14], &star->secondaryMinimumMagnitude)
        || (star->secondaryMinimumMagnitude && !(*star->secondaryMinimumMagnitude >= maximum)))
        return "the magnitudes are not a maximum and fainter minima";
    star->maximumMagnitude = maximum;
    star->primaryMinimumMagnitude = minimum;
    if (!parseOptional(f[15], &star->secondaryPhase)
        || (star->secondaryPhase && !(*star->secondaryPhase > 0 && *star->secondaryPhase < 1)))
        return "the phase of the secondary minimum is not a number between 0 and 1";
    if (!parseOptional(f[16], &star->primaryEclipseHours)
        || (star->primaryEclipseHours && !(*star->primaryEclipseHours > 0)))
        return "the eclipse duration is not a positive number of hours";
    if (!parse(f[17], &star->elements.epoch) || !parse(f[18], &star->elements.period)
        || !(star->elements.epoch > ephemeris::kMinimumValidJulianDay)
        || !(star->elements.period > 0))
        return "the elements are not an epoch and a positive period";
    if (star->primaryEclipseHours && !(*star->primaryEclipseHours / 24 < star->elements.period / 2))
        return "the eclipse lasts half the period or more";
    if (f[19] == "HJD")
        star->reference = TimeReference::Heliocentric;
    else if (f[19] == "JD")
        star->reference = TimeReference::Geocentric;
    else
        return "the time scale is neither HJD nor JD";
    if (f[20].empty())
        return "no source of the elements";
    star->elementsSource = f[20];
    star->uncertaintyPublished = false;
    star->note = f[21] == kNone ? std::string() : std::string(f[21]);
    return {};
}

// The two bytes of a UTF-8 Greek letter as its abbreviation; empty for anything else.
std::string_view greekAbbreviation(unsigned char lead, unsigned char next)
{
    if ((lead != 0xce && lead != 0xcf) || (next & 0xc0) != 0x80)
        return {};
    int codePoint = ((lead & 0x1f) << 6) | (next & 0x3f);
    if (codePoint >= 0x391 && codePoint <= 0x3a9 && codePoint != 0x3a2)
        codePoint += 0x20; // capital to small
    if (codePoint < 0x3b1 || codePoint > 0x3c9)
        return {};
    return kGreekAbbreviations[std::size_t(codePoint - 0x3b1)];
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t(0));
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::vector<std::string> keysOf(const Star &star)
{
    std::vector<std::string> keys{starNameKey(star.designation), starNameKey(star.aavsoName)};
    for (const std::string &name : star.otherNames)
        keys.push_back(starNameKey(name));
    if (star.hr > 0)
        keys.push_back("hr" + std::to_string(star.hr));
    if (star.hd > 0)
        keys.push_back("hd" + std::to_string(star.hd));
    if (star.hip > 0)
        keys.push_back("hip" + std::to_string(star.hip));
    return keys;
}

struct IndexedCatalogue
{
    std::vector<Star> stars;
    std::vector<std::vector<std::string>> keys; // one list per star
};

const IndexedCatalogue &indexedCatalogue()
{
    static const IndexedCatalogue catalogue = [] {
        IndexedCatalogue built;
        std::string error;
        built.stars = parseStarCatalogue(kStarCatalogueText, &error);
        for (const Star &star : built.stars)
            built.keys.push_back(keysOf(star));
        return built;
    }();
    return catalogue;
}

} // namespace

std::vector<Star> parseStarCatalogue(std::string_view text, std::string *error)
{
    std::vector<Star> stars;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        Star star;
        const std::string why = starFromFields(fieldsOf(line), &star);
        if (!why.empty()) {
            if (error)
                *error = "line " + std::to_string(number) + ": " + why;
            return {};
        }
        stars.push_back(std::move(star));
    }
    if (error)
        error->clear();
    return stars;
}

const std::vector<Star> &starCatalogue()
{
    return indexedCatalogue().stars;
}

std::string starNameKey(std::string_view name)
{
    name = trimmed(name);
    // "u Her": one letter, blanks, then the constellation.
    const bool keepCase = name.size() > 2 && isAsciiLetter(name[0]) && isBlank(name[1]);
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (isBlank(c) || c == '.' || c == '-' || c == '_')
            continue;
        if (i + 1 < name.size()) {
            const std::string_view greek = greekAbbreviation(static_cast<unsigned char>(c),
                                                             static_cast<unsigned char>(name[i + 1]));
            if (!greek.empty()) {
                key += greek;
                ++i;
                continue;
            }
        }
        key += (c >= 'A' && c <= 'Z' && !(keepCase && i == 0)) ? char(c - 'A' + 'a') : c;
    }
    for (const auto &[spelled, abbreviation] : kGreekNames) {
        if (key.size() > spelled.size() && key.compare(0, spelled.size(), spelled) == 0) {
            key.replace(0, spelled.size(), abbreviation);
            break;
        }
    }
    for (const auto &[genitive, abbreviation] : kGenitives) {
        if (key.size() > genitive.size()
            && key.compare(key.size() - genitive.size(), genitive.size(), genitive) == 0) {
            key.replace(key.size() - genitive.size(), genitive.size(), abbreviation);
            break;
        }
    }
    return key;
}

const Star *findStar(std::string_view name)
{
    const IndexedCatalogue &catalogue = indexedCatalogue();
    const std::string key = starNameKey(name);
    if (key.empty())
        return nullptr;
    for (std::size_t i = 0; i < catalogue.stars.size(); ++i) {
        const std::vector<std::string> &keys = catalogue.keys[i];
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            return &catalogue.stars[i];
    }
    return nullptr;
}

const Star &algolStar()
{
    static const Star &algol = *findStar("HR 936");
    return algol;
}

std::optional<double> listedSecondaryPhase(const Star &star)
{
    if (!star.secondaryMinimumMagnitude
        || !(*star.secondaryMinimumMagnitude - star.maximumMagnitude > kShallowestListedSecondary))
        return std::nullopt;
    return star.secondaryPhase;
}

std::optional<int> elementsYear(const Star &star)
{
    const std::string &source = star.elementsSource;
    const auto isDigit = [&](std::size_t i) { return source[i] >= '0' && source[i] <= '9'; };
    for (std::size_t i = 0; i + 4 <= source.size(); ++i) {
        if (!(isDigit(i) && isDigit(i + 1) && isDigit(i + 2) && isDigit(i + 3))
            || (i > 0 && isDigit(i - 1)) || (i + 4 < source.size() && isDigit(i + 4)))
            continue;
        const int year = std::stoi(source.substr(i, 4));
        if (year >= 1800 && year <= 2100)
            return year;
    }
    return std::nullopt;
}

std::vector<const Star *> nearestStars(std::string_view name, std::size_t count)
{
    const IndexedCatalogue &catalogue = indexedCatalogue();
    const std::string key = starNameKey(name);
    const std::size_t limit = std::max<std::size_t>(1, key.size() / 3);
    std::vector<std::pair<std::size_t, std::size_t>> near; // distance, star
    for (std::size_t i = 0; i < catalogue.stars.size(); ++i) {
        std::size_t nearest = limit + 1;
        for (const std::string &known : catalogue.keys[i])
            nearest = std::min(nearest, editDistance(key, known));
        if (nearest <= limit)
            near.emplace_back(nearest, i);
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<const Star *> stars;
    for (std::size_t k = 0; k < near.size() && k < count; ++k)
        stars.push_back(&catalogue.stars[near[k].second]);
    return stars;
}

} // namespace sky
