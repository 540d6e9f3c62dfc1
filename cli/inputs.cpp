#include "inputs.h"

#include "inputfiles.h"
#include "output.h"
#include "texts.h"

namespace cli {

void printProblems(const QString &path, const std::vector<timing::LineProblem> &problems)
{
    for (const timing::LineProblem &problem : problems)
        printLine(QStringLiteral("%1:%2: %3").arg(listing::visible(path)).arg(problem.line).arg(listing::lineErrorMessage(problem.error)));
    if (!problems.empty())
        printMessage(AlgolMinima::tr("%1: lines skipped: %2").arg(listing::visible(path)).arg(problems.size()));
}

} // namespace cli
