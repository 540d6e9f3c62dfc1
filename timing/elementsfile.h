#pragma once

// The elements file that the fit writes and the predictions read: "key = value" lines, "#"
// comments. epoch, period, epoch_error, period_error (days) and scale (JD_UTC or HJD_UTC) are
// needed; epoch_cycle, correlation, timings, first, last, rms_days and star are read when present
// (epoch_cycle otherwise from the epoch, rms_days unknown, the others 0, the star Algol: a file of
// Algol's elements has no star key).

#include "elementsets.h"

#include <optional>
#include <string>
#include <string_view>

namespace timing {

// The elements of the kind Fitted; rms_days only when it is known.
std::string elementsFileText(const sky::ElementSet &fitted);

enum class ElementsError {
    NotKeyValue,
    GivenTwice,
    Missing,
    NotANumber,
    UnknownScale,
    DateOutOfRange,
    PeriodOutOfRange,
    Negative,
    CorrelationOutOfRange,
    NotACount,
    QuarterPeriodOrMore,
    NotACycle,
    UnknownStar,
};

// The reason as a short English text without a full stop, said of the key.
std::string_view elementsErrorText(ElementsError error);

struct ElementsRefusal
{
    ElementsError error = ElementsError::Missing;
    long long line = 0; // 0 for a key that is missing, or for elements that are no file
    std::string key;    // empty for a line that is no key = value
};

// "line 9: epoch: given twice", "period: missing".
std::string refusalText(const ElementsRefusal &refusal);

// An error of a quarter period, in the epoch, the period or the timings' scatter, no longer tells
// one cycle from the next: elements that claim it say nothing of any minimum.
inline constexpr double kLargestErrorInPeriods = 0.25;
// The cycles of an epoch between JD 2000000 and 2600000 counted with a period of 0.5 day or more.
inline constexpr long long kLargestEpochCycle = 1200000;

// Why fitted elements cannot be written and read back as an elements file, or nothing: a number
// that is not finite, an epoch (or a first or last timing, unless 0) outside JD 2000000 to
// 2600000, a period outside 0.5 to 20 days (as for any elements), a negative error or rms, or one
// of a quarter period or more, a correlation beyond -1 to 1, a negative count of timings, an
// epoch cycle beyond kLargestEpochCycle. The refusal names the key; its line is 0.
std::optional<ElementsRefusal> refusalOf(const sky::ElementSet &fitted);

struct ElementsFile
{
    std::optional<sky::ElementSet> elements; // of the kind Fitted
    ElementsRefusal refusal;                 // why there are none
};

// Keys in any case, blanks anywhere around them; unknown keys are left alone. Refused: a line
// that is not a comment or "key = value", a key given twice, a value that is not a number, a
// needed key missing, a scale other than JD_UTC or HJD_UTC, an epoch_cycle that is not a whole
// number, a timings count that is not one, a star that is none of the catalogue's
// (sky::findStar), and whatever refusalOf refuses. Below three timings the
// scatter is unknown, whatever rms_days says.
ElementsFile readElementsFile(std::string_view text);

} // namespace timing
