#pragma once

// algol-minima's commands from their options to their output: what is read, what is reported on
// the standard error, what is written. Each returns the program's exit status.

#include "options.h"

#include <QLocale>

namespace cli {

// The elements of --elements FILE in place of the set: false, with a message, when the file
// cannot be read.
bool loadElements(const QString &file, sky::ElementSet *elements);
// The elements for the star: those given when they are its own; the catalogue's for current
// elements of another star; the same epoch and period, their cycles counted from the star's
// epoch, for custom ones. Otherwise (the classic elements, an elements file of another star)
// false, with a message: a usage error.
bool elementsForStar(const sky::Star &star, const QString &file, sky::ElementSet *elements);

int runTime(TimeOptions options, const QLocale &locale);
int runFit(FitOptions options, const QLocale &locale);

// Writes the bytes as writeOutput does, with its message: the exit status.
int write(const QString &path, const QByteArray &bytes);

} // namespace cli
