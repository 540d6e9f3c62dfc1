#pragma once

// The elements file that the fit writes and the predictions read: "key = value" lines, "#"
// comments. epoch, period, epoch_error, period_error (days) and scale (JD_UTC or HJD_UTC) are
// needed; correlation, timings, first, last and rms_days are read when present (0 otherwise).

#include "elementsfit.h"

#include <optional>
#include <string>
#include <string_view>

namespace timing {

std::string elementsFileText(const FittedElements &fitted);

struct ElementsFile
{
    std::optional<FittedElements> elements;
    std::string refusal; // why there are none: one English sentence without a full stop
};

// Keys in any case, blanks anywhere around them; unknown keys are left alone. Refused: a line
// that is not a comment or "key = value", a key given twice, a value that is not a number, a
// needed key missing, an epoch outside JD 2000000 to 2600000 or a period outside 0.5 to 10 days
// (as for any elements), a negative error or timings count, a correlation beyond -1 to 1, a scale
// other than JD_UTC or HJD_UTC.
ElementsFile readElementsFile(std::string_view text);

} // namespace timing
