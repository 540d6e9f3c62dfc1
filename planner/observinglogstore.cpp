#include "observinglogstore.h"

#include "inputfiles.h"
#include "observationtimes.h"
#include "plannertexts.h"
#include "savefile.h"
#include "zonetime.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>

#include <algorithm>

namespace planner {

namespace {

constexpr std::size_t kUndoDepth = 100;
constexpr qsizetype kProblemsShown = 20;

std::string_view textOf(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

bool writeText(const QString &path, const std::string &text, QString *reason)
{
    return listing::saveWhole(
        path, [&](QIODevice &device) { return device.write(text.data(), qint64(text.size())) == qint64(text.size()); },
        reason);
}

void setReason(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
}

// A name beside the file that no file has yet: 2026-12-25.unread.csv, 2026-12-25.unread-2.csv, ...
QString copyPathFor(const QString &path)
{
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName() + QStringLiteral(".unread"));
    QString copy = stem + QStringLiteral(".csv");
    for (int i = 2; QFileInfo::exists(copy); ++i)
        copy = stem + QStringLiteral("-%1.csv").arg(i);
    return copy;
}

} // namespace

QString defaultNightsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/algol/nights");
}

QStringList lineProblemMessages(const QString &path, const std::vector<timing::LineProblem> &problems)
{
    QStringList messages;
    for (const timing::LineProblem &problem : problems)
        messages << QStringLiteral("%1:%2: %3").arg(listing::visible(path)).arg(problem.line)
                        .arg(listing::lineErrorMessage(problem.error));
    return messages;
}

ObservingLogStore::ObservingLogStore(QString folder) : m_folder(std::move(folder)) {}

QString ObservingLogStore::path() const
{
    QString name = listing::isoDateText(m_evening);
    if (m_star != &sky::algolStar())
        name += QLatin1Char('-') + QString::fromStdString(m_star->aavsoName).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    return QDir(m_folder).filePath(name + QStringLiteral(".csv"));
}

ObservingLogStore::Opened ObservingLogStore::open(QDate evening)
{
    m_evening = evening;
    m_entries.clear();
    m_undo.clear();
    m_writable = true;
    m_refusal.clear();
    Opened opened;
    if (!QFileInfo::exists(path()))
        return opened;
    const auto bytes = listing::readInput(path());
    if (const auto *error = std::get_if<QString>(&bytes)) {
        m_writable = opened.writable = false;
        m_refusal = opened.message = AlgolPlanner::tr("%1; nothing will be written to it.").arg(*error);
        return opened;
    }
    const QByteArray &text = std::get<QByteArray>(bytes);
    timing::LogFile file = timing::readLog(textOf(text));
    opened.problems = lineProblemMessages(path(), file.problems);
    const bool unread = !file.problems.empty() || (!file.hasHeader && !text.trimmed().isEmpty());
    if (unread) {
        // Rewriting the file would drop what could not be read: it is kept first.
        const QString copy = copyPathFor(path());
        QString reason;
        if (!writeText(copy, text.toStdString(), &reason)) {
            m_writable = opened.writable = false;
            m_refusal = opened.message =
                AlgolPlanner::tr("%1 has lines that cannot be read and could not be copied to %2 (%3); "
                                 "nothing will be written to it.").arg(path(), copy, reason);
            return opened;
        }
        opened.message = AlgolPlanner::tr("%1 has lines that cannot be read; the file as it was is kept in %2.")
                             .arg(path(), copy);
    }
    m_entries = std::move(file.entries);
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const timing::LogEntry &a, const timing::LogEntry &b) { return a.jdUtc < b.jdUtc; });
    return opened;
}

bool ObservingLogStore::store(std::vector<timing::LogEntry> entries, QString *reason)
{
    if (!m_writable || !m_evening.isValid()) {
        setReason(reason, m_refusal.isEmpty() ? AlgolPlanner::tr("no night is open") : m_refusal);
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        setReason(reason, AlgolPlanner::tr("the folder %1 cannot be made").arg(m_folder));
        return false;
    }
    if (!writeText(path(), timing::logText(entries), reason))
        return false;
    m_undo.push_back(std::move(m_entries));
    if (m_undo.size() > kUndoDepth)
        m_undo.erase(m_undo.begin());
    m_entries = std::move(entries);
    return true;
}

namespace {

// Where an entry goes in time order: after those of the same time.
int insertionIndex(const std::vector<timing::LogEntry> &entries, double jdUtc)
{
    return int(std::upper_bound(entries.begin(), entries.end(), jdUtc,
                                [](double t, const timing::LogEntry &e) { return t < e.jdUtc; })
               - entries.begin());
}

} // namespace

std::optional<int> ObservingLogStore::add(const timing::LogEntry &entry, QString *reason)
{
    std::vector<timing::LogEntry> entries = m_entries;
    const int index = insertionIndex(entries, entry.jdUtc);
    entries.insert(entries.begin() + index, entry);
    if (!store(std::move(entries), reason))
        return std::nullopt;
    return index;
}

std::optional<int> ObservingLogStore::replace(int index, const timing::LogEntry &entry, QString *reason)
{
    if (index < 0 || index >= int(m_entries.size())) {
        setReason(reason, AlgolPlanner::tr("no such entry"));
        return std::nullopt;
    }
    std::vector<timing::LogEntry> entries = m_entries;
    entries.erase(entries.begin() + index);
    const int at = insertionIndex(entries, entry.jdUtc);
    entries.insert(entries.begin() + at, entry);
    if (!store(std::move(entries), reason))
        return std::nullopt;
    return at;
}

bool ObservingLogStore::remove(QList<int> indexes, QString *reason)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::vector<timing::LogEntry> entries;
    for (int i = 0; i < int(m_entries.size()); ++i) {
        if (!std::binary_search(indexes.begin(), indexes.end(), i))
            entries.push_back(m_entries[std::size_t(i)]);
    }
    if (entries.size() == m_entries.size()) {
        setReason(reason, AlgolPlanner::tr("no such entry"));
        return false;
    }
    return store(std::move(entries), reason);
}

bool ObservingLogStore::undo(QString *reason)
{
    if (m_undo.empty()) {
        setReason(reason, AlgolPlanner::tr("nothing to undo"));
        return false;
    }
    std::vector<std::vector<timing::LogEntry>> undo = std::move(m_undo);
    std::vector<timing::LogEntry> before = undo.back();
    const bool stored = store(std::move(before), reason);
    // Undoing is no change to undo in turn.
    m_undo = std::move(undo);
    if (stored)
        m_undo.pop_back();
    return stored;
}

ObservingLogStore::Imported ObservingLogStore::importFile(const QString &path, double fromJdUtc, double toJdUtc)
{
    Imported imported;
    const auto bytes = listing::readInput(path);
    if (const auto *error = std::get_if<QString>(&bytes)) {
        imported.error = *error;
        return imported;
    }
    const std::string_view text = textOf(std::get<QByteArray>(bytes));
    std::vector<timing::LogEntry> read;
    std::vector<timing::LineProblem> problems;
    timing::LogFile log = timing::readLog(text);
    if (log.hasHeader) {
        read = std::move(log.entries);
        problems = std::move(log.problems);
    } else {
        const std::string source = QFileInfo(path).fileName().toStdString();
        const timing::ObservationFile file = timing::readObservations(text, source, {}, m_star);
        for (const timing::Observation &o : file.observations) {
            timing::LogEntry entry;
            entry.kind = timing::EntryKind::Imported;
            entry.jdUtc = sky::convertDate(o.time, o.scale, sky::DateScale::JulianDayUtc, *m_star);
            entry.magnitude = o.value;
            entry.error = o.error;
            entry.band = o.band;
            entry.observer = o.observer;
            entry.source = source;
            read.push_back(std::move(entry));
        }
        problems = file.problems;
        imported.fainterThan = file.fainterThan;
        imported.otherStars = file.otherStars;
    }
    imported.problemCount = qsizetype(problems.size());
    problems.resize(std::min(problems.size(), std::size_t(kProblemsShown)));
    imported.problems = lineProblemMessages(path, problems);

    std::vector<timing::LogEntry> entries = m_entries;
    for (const timing::LogEntry &entry : read) {
        const auto same = [&](const timing::LogEntry &e) { return timing::samePoint(e, entry); };
        if (!(entry.jdUtc >= fromJdUtc && entry.jdUtc <= toJdUtc)) {
            ++imported.outsideNight;
        } else if (std::any_of(entries.begin(), entries.end(), same)) {
            ++imported.alreadyThere;
        } else {
            entries.insert(entries.begin() + insertionIndex(entries, entry.jdUtc), entry);
            ++imported.added;
        }
    }
    QString reason;
    if (imported.added > 0 && !store(std::move(entries), &reason)) {
        imported.error = AlgolPlanner::tr("the night's log could not be written: %1").arg(reason);
        imported.added = 0;
    }
    return imported;
}

bool ObservingLogStore::exportLog(const QString &path, QString *reason) const
{
    return writeText(path, timing::logText(m_entries), reason);
}

bool ObservingLogStore::exportAavsoVisual(const QString &path, const timing::AavsoVisualHeader &header,
                                          QString *reason) const
{
    return writeText(path, timing::aavsoVisualText(m_entries, header, *m_star), reason);
}

} // namespace planner
