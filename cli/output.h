#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace cli {

// Puts the bytes into the file, replacing it whole or not at all (an existing file is left as it
// was when anything fails), or onto the standard output for an empty name or "-".
// Returns a one-line message on failure; an empty one when the standard output is a pipe whose
// reader has gone, which is not worth a message (as `| head` users expect).
std::optional<QString> writeOutput(const QString &path, const QByteArray &bytes);

// One line on the standard error: "algol-minima: message", or the line as it is (a file's
// "FILE:LINE: reason").
void printMessage(const QString &message);
void printLine(const QString &line);

} // namespace cli
