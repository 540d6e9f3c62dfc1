#include "savedsite.h"

#include "inputfiles.h"

#include <QJsonDocument>
#include <QStandardPaths>

#include <cmath>

namespace listing {

namespace {

std::optional<double> numberIn(const QJsonObject &object, const char *key, double lowest, double highest)
{
    const QJsonValue value = object.value(QLatin1String(key));
    const double number = value.toDouble();
    if (!value.isDouble() || !std::isfinite(number) || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<SavedSite> savedSiteOf(const QJsonObject &site)
{
    const auto latitude = numberIn(site, "latitude", -90, 90);
    const auto longitude = numberIn(site, "longitude", -180, 180);
    const QString zone = site.value(QLatin1String("zone")).toString();
    if (!latitude || !longitude || zone.isEmpty())
        return std::nullopt;
    return SavedSite{site.value(QLatin1String("name")).toString().left(200),
                     {*latitude, *longitude, numberIn(site, "height", -500, 10000).value_or(0)},
                     zone.left(100)};
}

std::optional<SavedSite> readSavedSite(const QString &path)
{
    const auto read = readInput(path);
    const auto *bytes = std::get_if<QByteArray>(&read);
    if (!bytes || bytes->size() > kLargestSettingsBytes)
        return std::nullopt;
    return savedSiteOf(QJsonDocument::fromJson(*bytes).object().value(QLatin1String("site")).toObject());
}

QString plannerSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/algol-planner.json");
}

} // namespace listing
