#include "visualestimate.h"

#include "textfields.h"

#include <array>
#include <cmath>

namespace timing {

namespace {

struct GreekLetter
{
    std::string_view letter; // UTF-8
    std::string_view abbreviation;
    std::string_view fullName;
};

// As the Bright Star Catalogue abbreviates them.
constexpr std::array<GreekLetter, 24> kGreek{{
    {"α", "alp", "alpha"}, {"β", "bet", "beta"}, {"γ", "gam", "gamma"}, {"δ", "del", "delta"},
    {"ε", "eps", "epsilon"}, {"ζ", "zet", "zeta"}, {"η", "eta", "eta"}, {"θ", "the", "theta"},
    {"ι", "iot", "iota"}, {"κ", "kap", "kappa"}, {"λ", "lam", "lambda"}, {"μ", "mu", "mu"},
    {"ν", "nu", "nu"}, {"ξ", "xi", "xi"}, {"ο", "omi", "omicron"}, {"π", "pi", "pi"},
    {"ρ", "rho", "rho"}, {"σ", "sig", "sigma"}, {"τ", "tau", "tau"}, {"υ", "ups", "upsilon"},
    {"φ", "phi", "phi"}, {"χ", "chi", "chi"}, {"ψ", "psi", "psi"}, {"ω", "ome", "omega"},
}};

// Superscript digits 0 to 9 in UTF-8.
constexpr std::array<std::string_view, 10> kSuperscripts{
    "⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹",
};

std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string withDigits(std::string name)
{
    for (std::size_t digit = 0; digit < kSuperscripts.size(); ++digit)
        name = replaced(std::move(name), kSuperscripts[digit], std::string(1, char('0' + digit)));
    return name;
}

// The name as it is compared: ASCII and Greek letters in lower case, superscripts as digits, no
// blanks.
std::string keyOf(std::string_view name)
{
    std::string key;
    const std::string digits = withDigits(std::string(name));
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto c = static_cast<unsigned char>(digits[i]);
        const auto next = i + 1 < digits.size() ? static_cast<unsigned char>(digits[i + 1]) : 0;
        if (c == ' ' || c == '\t')
            continue;
        if (c >= 'A' && c <= 'Z') {
            key += char(c - 'A' + 'a');
        } else if (c == 0xCE && next >= 0x91 && next <= 0x9F) { // Α to Ο: α to ο
            key += char(0xCE);
            key += char(next + 0x20);
            ++i;
        } else if (c == 0xCE && next >= 0xA0 && next <= 0xA9 && next != 0xA2) { // Π to Ω: π to ω
            key += char(0xCF);
            key += char(next - 0x20);
            ++i;
        } else {
            key += char(c);
        }
    }
    return key;
}

std::string spelledOut(std::string_view name)
{
    std::string text = withDigits(std::string(name));
    for (const GreekLetter &greek : kGreek)
        text = replaced(std::move(text), greek.letter, greek.fullName);
    return text;
}

bool isStepCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

// A number with "," or "." as its decimal point.
std::optional<double> decimalNumber(std::string_view text)
{
    std::string point(text);
    if (point.find(',') != point.rfind(','))
        return std::nullopt;
    if (const std::size_t comma = point.find(','); comma != std::string::npos)
        point[comma] = '.';
    return parseNumber(point);
}

// Where the V between the steps stands: a V with a step's digit or point before it and a
// step's digit, point or sign after it, blanks aside.
std::optional<std::size_t> separatorOf(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != 'V' && text[i] != 'v')
            continue;
        const std::string_view before = trimmed(text.substr(0, i));
        const std::string_view after = trimmed(text.substr(i + 1));
        if (!before.empty() && !after.empty() && isStepCharacter(before.back())
            && (isStepCharacter(after.front()) || after.front() == '-' || after.front() == '+'))
            return i;
    }
    return std::nullopt;
}

struct Side
{
    std::string_view name;
    std::string_view steps;
};

// "a 2" or "a2": the name, then the steps at the end.
Side leftSide(std::string_view text)
{
    text = trimmed(text);
    std::size_t start = text.size();
    while (start > 0 && isStepCharacter(text[start - 1]))
        --start;
    if (start > 0 && (text[start - 1] == '-' || text[start - 1] == '+'))
        --start;
    return {trimmed(text.substr(0, start)), text.substr(start)};
}

// "3 b" or "3b": the steps, then the name.
Side rightSide(std::string_view text)
{
    text = trimmed(text);
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    while (end < text.size() && isStepCharacter(text[end]))
        ++end;
    return {trimmed(text.substr(end)), text.substr(0, end)};
}

EstimateReading refused(EstimateError error, std::string_view name = {})
{
    return {std::nullopt, error, std::string(name)};
}

EstimateReading magnitudeReading(EstimateKind kind, double magnitude, double faintest, Estimate estimate = {})
{
    if (!(magnitude >= kBrightestEstimate && magnitude <= faintest))
        return refused(EstimateError::MagnitudeOutOfRange);
    estimate.kind = kind;
    estimate.magnitude = magnitude;
    return {estimate, EstimateError::Empty, {}};
}

const ChartStar *starNamed(std::string_view name, const std::vector<ChartStar> &stars)
{
    const std::string key = keyOf(name);
    for (const ChartStar &star : stars) {
        if (key == keyOf(star.name) || key == keyOf(latinStarName(star.name))
            || key == keyOf(spelledOut(star.name)) || key == aavsoLabel(star.magnitude))
            return &star;
    }
    return nullptr;
}

EstimateReading stepReading(std::string_view text, std::size_t separator, const std::vector<ChartStar> &stars,
                            double faintest)
{
    const Side first = leftSide(text.substr(0, separator));
    const Side second = rightSide(text.substr(separator + 1));
    const std::optional<double> steps1 = decimalNumber(first.steps);
    const std::optional<double> steps2 = decimalNumber(second.steps);
    if (first.name.empty() || second.name.empty() || !steps1 || !steps2)
        return refused(EstimateError::Unreadable);
    const ChartStar *a = starNamed(first.name, stars);
    if (!a)
        return refused(EstimateError::UnknownStar, first.name);
    const ChartStar *b = starNamed(second.name, stars);
    if (!b)
        return refused(EstimateError::UnknownStar, second.name);
    if (a == b)
        return refused(EstimateError::SameStar);
    if (*steps1 < 0 || *steps2 < 0)
        return refused(EstimateError::NegativeSteps);
    if (*steps1 > kMostSteps || *steps2 > kMostSteps)
        return refused(EstimateError::TooManySteps);
    if (*steps1 + *steps2 == 0)
        return refused(EstimateError::ZeroSteps);
    Estimate estimate;
    estimate.comp1 = aavsoLabel(a->magnitude);
    estimate.comp2 = aavsoLabel(b->magnitude);
    estimate.steps1 = *steps1;
    estimate.steps2 = *steps2;
    const double magnitude = a->magnitude + *steps1 / (*steps1 + *steps2) * (b->magnitude - a->magnitude);
    return magnitudeReading(EstimateKind::Step, magnitude, faintest, estimate);
}

} // namespace

std::string aavsoLabel(double magnitude)
{
    if (!(std::fabs(magnitude) < 1e6))
        return {};
    return std::to_string(std::lround(magnitude * 10));
}

std::string latinStarName(std::string_view name)
{
    std::string text = withDigits(std::string(name));
    for (const GreekLetter &greek : kGreek)
        text = replaced(std::move(text), greek.letter, greek.abbreviation);
    return text;
}

EstimateReading readEstimate(std::string_view text, const std::vector<ChartStar> &stars, double faintest)
{
    text = trimmed(text);
    if (text.empty())
        return refused(EstimateError::Empty);
    if (text.front() == '<') {
        const std::optional<double> limit = decimalNumber(text.substr(1));
        return limit ? magnitudeReading(EstimateKind::FainterThan, *limit, faintest) : refused(EstimateError::Unreadable);
    }
    if (const std::optional<double> magnitude = decimalNumber(text))
        return magnitudeReading(EstimateKind::Magnitude, *magnitude, faintest);
    if (const std::optional<std::size_t> separator = separatorOf(text))
        return stepReading(text, *separator, stars, faintest);
    return refused(EstimateError::Unreadable);
}

} // namespace timing
