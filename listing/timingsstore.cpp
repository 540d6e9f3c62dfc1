#include "timingsstore.h"

#include "datafolder.h"
#include "inputfiles.h"
#include "listingtexts.h"
#include "savefile.h"

#include <QFileInfo>
#include <QIODevice>
#include <QLockFile>

#include <cerrno>
#include <unistd.h>

namespace listing {

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return Listing::tr("cannot write %1: %2").arg(visible(path), reason);
}

// Why the lock could not be taken: the folder's own reason when it cannot be written (permission
// denied, a read-only file system), another program's lock otherwise.
QString lockRefusal(const QString &path, const QString &lockPath, const QLockFile &lock)
{
    const QString folder = QFileInfo(lockPath).absolutePath();
    if (lock.error() != QLockFile::LockFailedError
        && ::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return cannotWrite(path, qt_error_string(errno));
    return Listing::tr("%1: in use by another program, which holds %2: left as it was")
        .arg(visible(path), visible(lockPath));
}

} // namespace

StoredTimings storeTimings(const QString &path, const std::vector<timing::TimingRecord> &records,
                           double periodDays)
{
    StoredTimings stored;
    const QFileInfo info(path);
    if (records.empty() && !info.exists())
        return stored; // nothing to make a file, or a folder, for
    QString reason;
    if (!makeFolderOf(path, &reason)) {
        stored.error = cannotWrite(path, reason);
        return stored;
    }
    // Beside the file itself, whatever link names it.
    const QString lockPath = (info.exists() ? info.canonicalFilePath() : path) + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) {
        stored.error = lockRefusal(path, lockPath, lock);
        return stored;
    }

    std::string text;
    std::vector<timing::TimingRecord> existing;
    // Asked again under the lock: another program may have made the file meanwhile.
    if (QFileInfo::exists(path)) {
        const auto bytes = readInput(path);
        if (const auto *error = std::get_if<QString>(&bytes)) {
            stored.error = *error;
            return stored;
        }
        text = std::get<QByteArray>(bytes).toStdString();
        timing::TimingsFile read = timing::readTimings(text);
        stored.problems = std::move(read.problems);
        // Rewritten, the columns or lines of another file would be lost.
        if (!stored.problems.empty() || timing::headerRowOf(text) == timing::HeaderRow::Other) {
            stored.error = Listing::tr("%1: not a timings file that algol-minima writes: left as it was")
                               .arg(visible(path));
            return stored;
        }
        existing = std::move(read.records);
    }
    const timing::NewTimings fresh = timing::newTimings(existing, records, periodDays);
    stored.added = int(fresh.records.size());
    stored.skipped = fresh.skipped;
    if (fresh.records.empty())
        return stored;

    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += '\n';
    // Another star's timings give Algol's file the star column: its rows stay Algol's.
    const timing::HeaderRow header = timing::headerRowOf(text);
    if (header == timing::HeaderRow::Own && timing::needStarColumn(fresh.records))
        text = timing::withStarColumn(text);
    switch (timing::headerRowOf(text)) {
    case timing::HeaderRow::Own:
        text += timing::timingRows(fresh.records);
        break;
    case timing::HeaderRow::OwnWithStar:
        text += timing::timingRows(fresh.records, true);
        break;
    case timing::HeaderRow::None:
    case timing::HeaderRow::Other:
        text += timing::timingsFileText(fresh.records);
        break;
    }
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (!saveWhole(path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, &reason)) {
        stored.error = cannotWrite(path, reason);
        stored.added = 0;
        stored.skipped = 0;
    }
    return stored;
}

} // namespace listing
