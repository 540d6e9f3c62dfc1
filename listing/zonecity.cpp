#include "zonecity.h"

#include "zonetime.h"

#include <QFile>
#include <QList>

#include <cmath>

namespace listing {

namespace {

constexpr qint64 kLargestTable = 1024 * 1024;

// "+4852" (2 digits of degrees) or "+00220" (3), with 2 or 4 more digits for the minutes and
// seconds.
std::optional<double> iso6709(QByteArrayView text, int degreeDigits)
{
    if (text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4)
        return std::nullopt;
    if (text[0] != '+' && text[0] != '-')
        return std::nullopt;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype length) {
        return text.sliced(from, length).toInt();
    };
    const int minutes = number(1 + degreeDigits, 2);
    const int seconds = text.size() > 1 + degreeDigits + 2 ? number(3 + degreeDigits, 2) : 0;
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    const double value = number(1, degreeDigits) + minutes / 60.0 + seconds / 3600.0;
    return text[0] == '-' ? -value : value;
}

// The city's name from the last part of the zone's name: "America/Argentina/Buenos_Aires" gives
// "Buenos Aires".
QString cityName(const QString &zoneId)
{
    return zoneId.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

std::optional<ZoneCity> zoneCityIn(const QByteArray &table, const QString &zoneId)
{
    const QByteArray wanted = zoneId.toUtf8();
    for (const QByteArray &line : table.split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3 || fields.at(2).trimmed() != wanted)
            continue;
        const QByteArray &place = fields.at(1);
        // The longitude starts at the second sign.
        qsizetype split = 1;
        while (split < place.size() && place[split] != '+' && place[split] != '-')
            ++split;
        const auto latitude = iso6709(QByteArrayView(place).first(split), 2);
        const auto longitude = iso6709(QByteArrayView(place).sliced(split), 3);
        if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180)
            return std::nullopt;
        return ZoneCity{cityName(zoneId), {*latitude, *longitude, 0}};
    }
    return std::nullopt;
}

std::optional<ZoneCity> zoneCity(const QString &zoneId, const QString &folder)
{
    const auto contents = [&](const char *name) {
        QFile file(folder + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.read(kLargestTable) : QByteArray();
    };
    const QByteArray tables[] = {contents("/zone1970.tab"), contents("/zone.tab")};
    QByteArray links; // tzdata.zi, read for a link only
    QString zone = zoneId;
    // tzdata.zi's links name zones, not other links; a few steps guard against a file that loops.
    for (int step = 0; step < 4 && !zone.isEmpty(); ++step) {
        for (const QByteArray &table : tables) {
            if (auto city = zoneCityIn(table, zone))
                return city;
        }
        if (links.isEmpty())
            links = contents("/tzdata.zi");
        zone = QString::fromLatin1(zoneLinkTarget(links, zone.toLatin1()));
    }
    return std::nullopt;
}

QString degreesMinutesText(const sky::Site &site)
{
    const auto part = [](double value, QChar positive, QChar negative) {
        const int minutes = int(std::lround(std::fabs(value) * 60));
        return QStringLiteral("%1°%2′ %3")
            .arg(minutes / 60)
            .arg(minutes % 60, 2, 10, QLatin1Char('0'))
            .arg(value < 0 ? negative : positive);
    };
    return part(site.latitudeDeg, QLatin1Char('N'), QLatin1Char('S')) + QLatin1Char(' ')
        + part(site.longitudeDeg, QLatin1Char('E'), QLatin1Char('W'));
}

} // namespace listing
