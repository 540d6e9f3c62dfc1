#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace cli {

// Puts the bytes into the file, replacing it whole or not at all (an existing file is left as it
// was when anything fails), or onto the standard output for an empty name or "-".
// Returns a one-line message on failure.
std::optional<QString> writeOutput(const QString &path, const QByteArray &bytes);

} // namespace cli
