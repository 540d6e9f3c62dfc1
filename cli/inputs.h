#pragma once

// The lines of a file that algol-minima could not read, said on the standard error.

#include "observations.h"

#include <QString>

#include <vector>

namespace cli {

// On the standard error, "FILE:LINE: reason" for each line that could not be read, then
// "algol-minima: FILE: lines skipped: N".
void printProblems(const QString &path, const std::vector<timing::LineProblem> &problems);

} // namespace cli
