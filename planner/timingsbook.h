#pragma once

// The user's own times of minimum and the elements fitted to them, in the files algol-minima uses
// (listing/datafolder.h). The timings file is read again whenever it changes on disk (algol-minima
// time --append may write it while the window is open), added to through listing::storeTimings
// (the same lock and the same rule against doubles as --append), and fitted as algol-minima fit
// --reject fits it. The elements file is written whole, through listing::saveWhole.

#include "elementsfit.h"
#include "timingsfile.h"
#include "timingsstore.h"

#include <QObject>
#include <QStringList>

#include <vector>

class QFileSystemWatcher;

namespace planner {

class TimingsBook : public QObject
{
    Q_OBJECT

public:
    TimingsBook(QString timingsPath, QString elementsPath, QObject *parent = nullptr);

    const QString &timingsPath() const { return m_timingsPath; }
    const QString &elementsPath() const { return m_elementsPath; }
    // Where a star's fitted elements are written: the elements file for Algol, and beside it one
    // per other star, by its AAVSO name (elements-lam-tau.txt), so that no star's refit replaces
    // another's.
    QString elementsPath(const sky::Star &star) const;

    // The file's timings as last read (none when it is missing or cannot be read), the lines that
    // could not be read ("FILE:LINE: reason"), and why the file could not be read at all.
    const std::vector<timing::TimingRecord> &records() const { return m_records; }
    const QStringList &problems() const { return m_problems; }
    const QString &readError() const { return m_readError; }

    // The timings of one star, in the file's order.
    std::vector<timing::TimingRecord> recordsOf(const sky::Star &star) const;

    // Reads the file again; changed() when its bytes differ from the last reading.
    void reload();

    // Adds the records to the timings file (listing::storeTimings), then reads it again.
    listing::StoredTimings add(const std::vector<timing::TimingRecord> &records, double periodDays);

    // The timings of the start's star fitted from the start, leaving out those beyond 3 sigma while
    // enough are left (algol-minima fit --reject --star); a fit with a refusal when none can be made.
    timing::ElementsFit fit(const sky::ElementSet &start) const;
    // The fitted elements written as their star's elements file: false, with the reason, when they
    // cannot be (the old file then stays as it was).
    bool writeElements(const sky::ElementSet &fitted, QString *reason) const;

signals:
    void changed();

private:
    void watch();

    const QString m_timingsPath;
    const QString m_elementsPath;
    QFileSystemWatcher *const m_watcher;
    QByteArray m_bytes; // as last read; empty for a missing file
    bool m_read = false;
    std::vector<timing::TimingRecord> m_records;
    QStringList m_problems;
    QString m_readError;
};

} // namespace planner
