#include "output.h"

#include "savefile.h"
#include "texts.h"

#include <QFile>

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
    QString reason;
    const bool written = listing::saveWhole(
        path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }, &reason);
    if (!written)
        return failure(path, reason);
    return std::nullopt;
}

} // namespace cli
