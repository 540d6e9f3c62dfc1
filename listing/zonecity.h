#pragma once

// The site that a time zone names: the reference city of the zone, as tzdata's zone tables give
// it ("FR,MC  +4852+00220  Europe/Paris": Paris, 48 deg 52' N, 2 deg 20' E). The planner starts
// from it, and algol-minima lists from it when no site is typed or saved.

#include "site.h"

#include <QString>

#include <optional>

namespace listing {

struct ZoneCity
{
    QString name; // "Paris", "New York", from the zone's name
    sky::Site site;
};

// The city of zoneId in the text of a zone table (zone1970.tab or zone.tab); empty when the table
// does not name the zone or its coordinates are not ISO 6709 (+DDMM+DDDMM or +DDMMSS+DDDMMSS).
std::optional<ZoneCity> zoneCityIn(const QByteArray &table, const QString &zoneId);

// The same from the system's tables in folder (zone1970.tab, then zone.tab for the zones it
// leaves out, such as Europe/Jersey). A link of the zone database (US/Eastern, Asia/Calcutta),
// which the tables do not name, gives the city of the zone it stands for (New York, Kolkata), as
// the folder's tzdata.zi says.
std::optional<ZoneCity> zoneCity(const QString &zoneId,
                                 const QString &folder = QStringLiteral("/usr/share/zoneinfo"));

// "48°52′ N 2°20′ E": degrees and minutes of arc, rounded to the minute.
QString degreesMinutesText(const sky::Site &site);

} // namespace listing
