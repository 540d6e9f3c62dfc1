#include "inputs.h"

#include "inputfiles.h"
#include "output.h"
#include "texts.h"

#include <algorithm>

namespace cli {

namespace {

// The lines that cannot be read shown one by one, as compilers stop after so many errors: a
// file of the wrong kind would otherwise fill the terminal (or a log) with millions of them.
constexpr std::size_t kMostProblemsShown = 100;

} // namespace

void printProblems(const QString &path, const std::vector<timing::LineProblem> &problems)
{
    const QString name = listing::visible(path);
    const std::size_t shown = std::min(problems.size(), kMostProblemsShown);
    for (std::size_t i = 0; i < shown; ++i)
        printLine(QStringLiteral("%1:%2: %3").arg(name).arg(problems[i].line).arg(listing::lineErrorMessage(problems[i].error)));
    if (problems.size() > shown)
        printMessage(AlgolMinima::tr("%1: lines that cannot be read not shown: %2").arg(name).arg(problems.size() - shown));
    if (!problems.empty())
        printMessage(AlgolMinima::tr("%1: lines skipped: %2").arg(name).arg(problems.size()));
}

} // namespace cli
