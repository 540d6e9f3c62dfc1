#pragma once

// What algol-minima reads: the bytes of the files it is given, the elements file of --elements,
// and the messages for what could not be read in them (the timing library's English reasons,
// translated here).

#include "elementsfile.h"
#include "minimumtiming.h"
#include "observations.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace cli {

// Larger than any file of observations, timings or elements.
inline constexpr qint64 kLargestInputBytes = 64 * 1024 * 1024;

// The whole of a regular file, or why not ("cannot read FILE: reason", one line). A pipe or a
// device is refused: it could hold the program for ever.
std::variant<QByteArray, QString> readInput(const QString &path);

// The elements of --elements FILE, of the kind Fitted, or one line saying why not.
std::variant<sky::ElementSet, QString> readElements(const QString &path);

// On the standard error, "FILE:LINE: reason" for each line that could not be read, then
// "algol-minima: FILE: lines skipped: N".
void printProblems(const QString &path, const std::vector<timing::LineProblem> &problems);

// The library's reasons in the user's language.
QString lineErrorMessage(timing::LineError error);
QString untimedMessage(timing::Untimed reason);
QString elementsErrorMessage(timing::ElementsError error);

} // namespace cli
