#include "output.h"

#include "texts.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

namespace cli {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return AlgolMinima::tr("cannot write %1: %2").arg(path, reason);
}

std::optional<QString> writeStandardOutput(const QByteArray &bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)
        || out.write(bytes) != bytes.size() || !out.flush()) {
        return failure(AlgolMinima::tr("the standard output"), out.errorString());
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> writeOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || path == QLatin1String("-"))
        return writeStandardOutput(bytes);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    // commit() may rename a file whose last buffered bytes never reached the disk: every write
    // and the flush are checked first, and a failure throws the temporary file away. Qt reports
    // a failed flush as "Unknown error"; the system's own reason is kept instead.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return failure(path, reason);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return std::nullopt;
}

} // namespace cli
