#pragma once

// Where the user's own files of Algol live, the same for algol-minima and the planner: the
// timings kept from night to night and the elements fitted to them.

#include <QString>

namespace listing {

// The folder "algol" in the user's data folder (QStandardPaths::GenericDataLocation:
// $XDG_DATA_HOME, or ~/.local/share, on Linux). Made only when a file is first written there.
QString dataFolder();
// dataFolder()/timings.csv: the timings file that fit reads when given none.
QString defaultTimingsPath();
// dataFolder()/elements.txt: the elements fitted to those timings.
QString defaultElementsPath();

// Makes the folder of the file at path, and the folders above it, where they are missing: false,
// with the system's reason in *reason (permission denied, a read-only file system, ...), when
// one cannot be made.
bool makeFolderOf(const QString &path, QString *reason);

} // namespace listing
