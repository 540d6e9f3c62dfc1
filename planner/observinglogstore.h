#pragma once

// The observing log of one night kept in a file of the user's data folder, one file per night and
// star named by the evening's date in the site's zone (~/.local/share/algol/nights/2026-12-25.csv
// for Algol, 2026-12-25-lam-tau.csv for another star, by its AAVSO name).
// Every change is written at once, the whole file through listing::saveWhole, whose commit waits
// for the disk: a kill, a crash or a power cut loses at most the change being made, and a change
// that cannot be written (a full disk) is not made, the file and the entries staying as they were.
// A file with lines that cannot be read is first copied beside itself, so that rewriting it loses
// nothing; a file that cannot be read at all is never written.

#include "observinglog.h"
#include "starcatalogue.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace planner {

// ~/.local/share/algol/nights: the nights' logs in the user's data folder.
QString defaultNightsFolder();

// "FILE:LINE: reason", as algol-minima says it, for each line that could not be read.
QStringList lineProblemMessages(const QString &path, const std::vector<timing::LineProblem> &problems);

class ObservingLogStore
{
public:
    explicit ObservingLogStore(QString folder);

    struct Opened
    {
        bool writable = true; // false when the file exists but cannot be read
        QStringList problems; // its lines that could not be read
        QString message;      // why it cannot be written, or where its unread lines were kept
    };
    // The night's log as its file holds it (empty when there is no file yet).
    Opened open(QDate evening);
    // The star logged, for the next open(): its file, the rows imported, its AAVSO name in the
    // AAVSO file. Algol until said otherwise.
    void setStar(const sky::Star &star) { m_star = &star; }
    const sky::Star &star() const { return *m_star; }

    QDate evening() const { return m_evening; }
    QString path() const;
    bool isWritable() const { return m_writable; }
    // In time order.
    const std::vector<timing::LogEntry> &entries() const { return m_entries; }

    // Each writes the file and only then changes the entries; the index of the entry added or
    // replaced, in time order. Nothing happens, and *reason says why, when the file cannot be written.
    std::optional<int> add(const timing::LogEntry &entry, QString *reason);
    std::optional<int> replace(int index, const timing::LogEntry &entry, QString *reason);
    bool remove(QList<int> indexes, QString *reason);
    // The entries as they were before the last change (of the 100 last).
    bool canUndo() const { return !m_undo.empty(); }
    bool undo(QString *reason);

    struct Imported
    {
        QString error; // the file could not be read, or the log not written
        QStringList problems; // "FILE:LINE: reason", the first 20
        qsizetype problemCount = 0;
        int added = 0;
        int outsideNight = 0;
        int alreadyThere = 0;
        long long fainterThan = 0;
        long long otherStars = 0;
    };
    // The points of an observation file (AAVSO Extended, Visual or download, plain columns of JD
    // and magnitude) or of an exported log that fall between the two Julian Days (UTC), their
    // times turned into JD on UTC, those already in the log left out.
    Imported importFile(const QString &path, double fromJdUtc, double toJdUtc);

    bool exportLog(const QString &path, QString *reason) const;
    bool exportAavsoVisual(const QString &path, const timing::AavsoVisualHeader &header,
                           QString *reason) const;

private:
    bool store(std::vector<timing::LogEntry> entries, QString *reason);

    const QString m_folder;
    const sky::Star *m_star = &sky::algolStar();
    QDate m_evening;
    bool m_writable = false;
    QString m_refusal;
    std::vector<timing::LogEntry> m_entries;
    std::vector<std::vector<timing::LogEntry>> m_undo;
};

} // namespace planner
