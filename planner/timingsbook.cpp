#include "timingsbook.h"

#include <algorithm>
#include <iterator>

#include "datafolder.h"
#include "inputfiles.h"
#include "observinglogstore.h"
#include "savefile.h"

#include "elementsfile.h"
#include "starcatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QIODevice>

namespace planner {

TimingsBook::TimingsBook(QString timingsPath, QString elementsPath, QObject *parent)
    : QObject(parent),
      m_timingsPath(std::move(timingsPath)),
      m_elementsPath(std::move(elementsPath)),
      m_watcher(new QFileSystemWatcher(this))
{
    // A replaced file is a new file: its folder says so too, and the file is watched again.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &TimingsBook::reload);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TimingsBook::reload);
    reload();
}

void TimingsBook::watch()
{
    // The file when it is there, and the nearest folder above it that is (made later, the file's
    // own folder is watched from then on).
    const QFileInfo file(m_timingsPath);
    if (file.isFile() && !m_watcher->files().contains(m_timingsPath))
        m_watcher->addPath(m_timingsPath);
    QDir folder = file.absoluteDir();
    while (!folder.exists() && !folder.isRoot())
        folder.setPath(QFileInfo(folder.absolutePath()).absolutePath());
    const QStringList watched = m_watcher->directories();
    if (!watched.contains(folder.absolutePath())) {
        if (!watched.isEmpty())
            m_watcher->removePaths(watched);
        m_watcher->addPath(folder.absolutePath());
    }
}

void TimingsBook::reload()
{
    watch();
    QByteArray bytes;
    QString error;
    if (QFileInfo::exists(m_timingsPath)) {
        const auto read = listing::readInput(m_timingsPath);
        if (const auto *reason = std::get_if<QString>(&read))
            error = *reason;
        else
            bytes = std::get<QByteArray>(read);
    }
    if (m_read && bytes == m_bytes && error == m_readError)
        return;
    m_read = true;
    m_bytes = bytes;
    m_readError = error;
    timing::TimingsFile file = timing::readTimings({bytes.constData(), std::size_t(bytes.size())});
    m_records = std::move(file.records);
    m_problems = lineProblemMessages(m_timingsPath, file.problems);
    emit changed();
}

listing::StoredTimings TimingsBook::add(const std::vector<timing::TimingRecord> &records, double periodDays)
{
    const listing::StoredTimings stored = listing::storeTimings(m_timingsPath, records, periodDays);
    reload();
    return stored;
}

std::vector<timing::TimingRecord> TimingsBook::recordsOf(const sky::Star &star) const
{
    std::vector<timing::TimingRecord> records;
    std::copy_if(m_records.begin(), m_records.end(), std::back_inserter(records),
                 [&](const timing::TimingRecord &record) { return record.star == &star; });
    return records;
}

timing::ElementsFit TimingsBook::fit(const sky::ElementSet &start) const
{
    const std::vector<timing::TimingPoint> points =
        timing::timingPointsOf(recordsOf(*start.star), sky::dateScaleOf(start.reference));
    return timing::fitElements(points, start, true);
}

QString TimingsBook::elementsPath(const sky::Star &star) const
{
    if (&star == &sky::algolStar())
        return m_elementsPath;
    const QFileInfo algol(m_elementsPath);
    const QString name = QString::fromStdString(star.aavsoName).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    return algol.dir().filePath(QStringLiteral("%1-%2.%3").arg(algol.completeBaseName(), name, algol.suffix()));
}

bool TimingsBook::writeElements(const sky::ElementSet &fitted, QString *reason) const
{
    const QString path = elementsPath(*fitted.star);
    if (!listing::makeFolderOf(path, reason))
        return false;
    const QByteArray bytes = QByteArray::fromStdString(timing::elementsFileText(fitted));
    return listing::saveWhole(
        path, [&](QIODevice &device) { return device.write(bytes) == bytes.size(); }, reason);
}

} // namespace planner
