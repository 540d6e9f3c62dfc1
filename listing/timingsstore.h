#pragma once

// The user's timings file, added to by algol-minima time --append and by the planner: one
// function that reads it, checks it, adds what is new and writes it whole, under a lock.

#include "timingsfile.h"

#include <QString>

#include <vector>

namespace listing {

struct StoredTimings
{
    int added = 0;
    int skipped = 0; // already there
    std::vector<timing::LineProblem> problems; // the lines of the file that could not be read
    QString error; // one line, why nothing was stored; empty when the file was written or had all
};

// Adds the records to the timings file at path. The file is locked from its reading to its writing
// (QLockFile, path + ".lock", waited for up to kLockWaitMs), so that programs adding at the same
// time each keep theirs. A missing file is made, with its folder (makeFolderOf); an existing one
// must be a timings file of this program's making with every line readable, or it is left as it
// was. The new records (timing::newTimings: the same timing of a night is not added twice) go
// after the file's own text, its comment lines kept, and the whole is written by saveWhole; a file
// that gains nothing is not written. A file of Algol's timings that gains another star's gets the
// star column in its header row (timing::withStarColumn).
StoredTimings storeTimings(const QString &path, const std::vector<timing::TimingRecord> &records,
                           double periodDays);

// How long storeTimings waits for another program's lock before it gives up.
inline constexpr int kLockWaitMs = 20000;

} // namespace listing
