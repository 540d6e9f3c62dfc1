#pragma once

// The elements file that the fit writes and the predictions read: "key = value" lines, "#"
// comments. epoch, period, epoch_error, period_error (days) and scale (JD_UTC or HJD_UTC) are
// needed; correlation, timings, first, last and rms_days are read when present (0 otherwise).

#include "elementsets.h"

#include <optional>
#include <string>
#include <string_view>

namespace timing {

// The elements of the kind Fitted.
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
};

// The reason as a short English text without a full stop, said of the key.
std::string_view elementsErrorText(ElementsError error);

struct ElementsRefusal
{
    ElementsError error = ElementsError::Missing;
    long long line = 0; // 0 for a key that is missing
    std::string key;    // empty for a line that is no key = value
};

// "line 9: epoch: given twice", "period: missing".
std::string refusalText(const ElementsRefusal &refusal);

struct ElementsFile
{
    std::optional<sky::ElementSet> elements; // of the kind Fitted
    ElementsRefusal refusal;                 // why there are none
};

// Keys in any case, blanks anywhere around them; unknown keys are left alone. Refused: a line
// that is not a comment or "key = value", a key given twice, a value that is not a number, a
// needed key missing, an epoch (or a first or last timing) outside JD 2000000 to 2600000 or a
// period outside 0.5 to 10 days (as for any elements), a negative error, rms or timings count, a
// correlation beyond -1 to 1, a scale other than JD_UTC or HJD_UTC.
ElementsFile readElementsFile(std::string_view text);

} // namespace timing
