#pragma once

#include <QString>

namespace views {

// The sentence that says where Algol stands in its light cycle. Each row holds for
// lower <= phase <= upper; the first row that holds wins, so a shared bound belongs to the
// earlier row. Empty below 0 and above 1.
QString phaseSentence(double phase);

} // namespace views
