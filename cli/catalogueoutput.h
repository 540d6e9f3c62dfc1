#pragma once

// What algol-minima --stars shows: the stars it can list, one a row.

#include <QByteArray>
#include <QLocale>

namespace cli {

// A line that says how to name a star, then a row per star of the catalogue: its designation, its
// other names, its AAVSO name, its range at primary minimum and its secondary minimum (V), its
// period, its eclipse duration D and the source of its elements; numbers in the locale's format.
QByteArray catalogueTable(const QLocale &locale);

} // namespace cli
