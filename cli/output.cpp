#include "output.h"

#include "inputfiles.h"
#include "options.h"
#include "savefile.h"
#include "texts.h"

#include <QIODevice>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return AlgolMinima::tr("cannot write %1: %2").arg(path, reason);
}

// Straight to the descriptor: what the system says of each write is what the user is told.
std::optional<QString> writeStandardOutput(const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + written, size_t(bytes.size() - written));
        if (n >= 0) {
            written += n;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == EPIPE)
            return QString();
        const QString reason = errno == EBADF ? AlgolMinima::tr("it is closed") : qt_error_string(errno);
        return failure(AlgolMinima::tr("the standard output"), reason);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> writeOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || path == QLatin1String("-"))
        return writeStandardOutput(bytes);
    QString reason;
    const bool written = listing::saveWhole(
        path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }, &reason);
    if (!written)
        return failure(listing::visible(path), reason);
    return std::nullopt;
}

void printMessage(const QString &message)
{
    printLine(QStringLiteral("algol-minima: ") + message);
}

void printLine(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
}

} // namespace cli
