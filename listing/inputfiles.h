#pragma once

// What the programs read: the bytes of a file they are given, an elements file of algol-minima
// fit, and the timing library's English reasons in the user's language.

#include "elementsfile.h"
#include "minimumtiming.h"
#include "observations.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace listing {

// Larger than any file of observations, timings or elements.
inline constexpr qint64 kLargestInputBytes = 64 * 1024 * 1024;

// A text as it may be quoted in a message of one line: control characters (line ends, terminal
// escapes) shown as \n, \x1b or \u009b, and cut after 100 characters.
QString visible(const QString &text);

// The whole of a regular file, or why not ("cannot read FILE: reason", one line). A pipe or a
// device is refused: it could hold the program for ever. So is a text in UTF-16: every file read
// here is ASCII or UTF-8, and UTF-16 would fail on each of its lines.
std::variant<QByteArray, QString> readInput(const QString &path);

// The elements of an elements file, of the kind Fitted, or one line saying why not.
std::variant<sky::ElementSet, QString> readElements(const QString &path);

// The timing library's reasons in the user's language.
QString lineErrorMessage(timing::LineError error);
QString untimedMessage(timing::Untimed reason);
QString elementsErrorMessage(timing::ElementsError error);

} // namespace listing
