#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace toolkit {

// Replaces the file at path with what write puts into the device, whole or not at all. The bytes
// go to a temporary file that takes the file's place only when write reports success and the last
// buffered bytes reach the disk; otherwise (a full disk, a folder that cannot be written) the old
// file stays byte for byte, no new file appears, and the result is false.
bool saveWhole(const QString &path, const std::function<bool(QIODevice &device)> &write);

} // namespace toolkit
