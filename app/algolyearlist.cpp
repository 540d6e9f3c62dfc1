// The yearly minima file: every primary minimum of a chosen year, one per line.

#include "algol.h"

#include "appidentity.h"
#include "calendar.h"
#include "clock.h"
#include "inputbox.h"
#include "minima.h"
#include "savefile.h"
#include "textfield.h"
#include "yearlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace {

// A year as typed: digits only (blanks around them allowed), from the first year that the list
// can start in to the last that it can complete. Anything else, Cancel included, asks again.
std::optional<int> yearOfAnswer(const QString &answer)
{
    const QString digits = answer.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int year = digits.toInt();
    if (year < ephemeris::kFirstListYear || year > ephemeris::kLastListYear)
        return std::nullopt;
    return year;
}

} // namespace

void Algol::Command4_Click()
{
    WriteYearList();
}

QString Algol::yearListFolder()
{
    const toolkit::AppIdentity identity = toolkit::AppIdentity::current();
    if (QFileInfo(identity.folder).isWritable())
        return identity.folder;
    // An installed program's folder belongs to the system: the list goes to the user's documents.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    return documents;
}

void Algol::WriteYearList()
{
    LastMinimum = m_elements.epoch;
    std::optional<int> year;
    QString answer;
    while (!year) {
        answer = toolkit::inputBox(this, QStringLiteral("Année"), QStringLiteral("Edition"),
                                   QString::number(m_clock.now().date().year()));
        year = yearOfAnswer(answer);
    }

    // 1 January of the year at the present time of day, in whole seconds.
    const ephemeris::SerialDate startDate = double(ephemeris::dayNumberOf({*year, 1, 1}));
    const float timeOfDay = float(m_clock.now().time().msecsSinceStartOfDay() / 1000 / 86400.0);
    const ephemeris::JulianDay start = ComposeInstantAt(startDate, timeOfDay);
    if (const auto first = ephemeris::stepMinimum(LastMinimum, m_elements.period, start))
        LastMinimum = *first;

    const ephemeris::TimeScale scale = fieldsTimeScale();
    if (scale.kind == ephemeris::TimeScale::Kind::UnreadableOffset)
        return; // no line can be shown: no file
    const std::string text =
        ephemeris::yearListText(LastMinimum, *year, scale, m_regional, m_elements);

    // Written whole or not at all: an existing list is never left truncated. Failures are silent.
    const qint64 size = qint64(text.size());
    listing::saveWhole(QDir(yearListFolder()).filePath(QStringLiteral("Algol%1.txt").arg(*year)),
                       [&](QIODevice &file) { return file.write(text.data(), size) == size; });
}
