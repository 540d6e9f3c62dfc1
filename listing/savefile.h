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
bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write,
               QString *reason = nullptr);

} // namespace listing
