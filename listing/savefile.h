#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace listing {

// Replaces the file at path with what write puts into the device, whole or not at all. The bytes
// go to a temporary file that takes the file's place only when write reports success and the last
// buffered bytes reach the disk; otherwise (a full disk, a folder that cannot be written) the old
// file stays byte for byte, no new file appears, and the result is false, with the system's reason
// in *reason when it is asked for.
//
// Only a regular file or a new name is written: a device, a pipe, a folder or a loop of symbolic
// links is refused (a link to a file replaces that file). The new file keeps the old one's
// permissions and, where the system permits it, its owner and group; it is a new file, so the
// other hard links of the old one keep the old content. Qt's QSaveFile names the temporary file
// (FILE.XXXXXX beside it) only for the instant between its link and its rename: an interrupt or a
// termination signal then waits until the rename is done, so only SIGKILL or a crash at that
// instant can leave it behind.
bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write,
               QString *reason = nullptr);

} // namespace listing
