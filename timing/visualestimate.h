#pragma once

// What a visual observer writes down for one look at Algol: a magnitude ("2.9"), a magnitude that
// Algol was fainter than ("<3.5"), or a step estimate between two comparison stars in Argelander's
// notation, "a 2 V 3 b": Algol (V) two steps fainter than a and three brighter than b, which gives
// m = m_a + 2 / (2 + 3) (m_b - m_a). The stars may come in either order and the steps may have
// decimals. A star is named as the chart shows it ("δ Per", "γ¹ And"), with the Greek letter
// written out ("del Per", "delta Per", "gam1 And"), or by its AAVSO-style label, the magnitude
// times ten without the point ("30" for 3.01); in any case, with any blanks or none.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timing {

// The magnitudes an estimate of Algol may give: far beyond its range of 2.1 to 3.4, so that only
// a slip (a label typed as a magnitude, "29") is refused.
inline constexpr double kBrightestEstimate = 0.0;
inline constexpr double kFaintestEstimate = 6.0;
// More steps than any two comparison stars a magnitude apart could hold.
inline constexpr double kMostSteps = 20;

struct ChartStar
{
    std::string name; // as the chart shows it, UTF-8: "δ Per", "41 Ari"
    double magnitude = 0;
};

// "30" for 3.01, "18" for 1.79: the magnitude times ten, rounded.
std::string aavsoLabel(double magnitude);

// The name with its Greek letter as the three-letter abbreviation and superscript digits as
// digits: "del Per" for "δ Per", "gam1 And" for "γ¹ And"; other names as they are.
std::string latinStarName(std::string_view name);

enum class EstimateKind { Magnitude, Step, FainterThan };

struct Estimate
{
    EstimateKind kind = EstimateKind::Magnitude;
    double magnitude = 0;
    // A step estimate's stars by their labels, in the order written, and the steps from each.
    std::string comp1, comp2;
    double steps1 = 0, steps2 = 0;
};

enum class EstimateError {
    Empty,
    Unreadable,          // neither a number, nor "<" and a number, nor "star steps V steps star"
    UnknownStar,         // a name that is no star of the chart: in EstimateReading::name
    SameStar,            // the same star on both sides
    NegativeSteps,
    TooManySteps,        // more than kMostSteps
    ZeroSteps,           // 0 V 0
    MagnitudeOutOfRange, // outside kBrightestEstimate to kFaintestEstimate
};

struct EstimateReading
{
    std::optional<Estimate> estimate;
    EstimateError error = EstimateError::Empty; // when there is no estimate
    std::string name;                           // the unknown star's name as written
};

// The estimate of a text, "," read as a decimal point too; a magnitude fainter than faintest is
// refused (a fainter star than Algol is given a limit of its own).
EstimateReading readEstimate(std::string_view text, const std::vector<ChartStar> &stars,
                             double faintest = kFaintestEstimate);

} // namespace timing
