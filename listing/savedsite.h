#pragma once

// The site that the planner saved: the "site" object of its settings file, which algol-minima
// lists from when no site is typed. Read forgivingly: a missing or damaged file, or a site with a
// wrong entry, is no saved site.

#include "site.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace listing {

// The planner's settings file is at most a few hundred bytes; anything much larger is not its.
inline constexpr qint64 kLargestSettingsBytes = 64 * 1024;

struct SavedSite
{
    QString name; // the place, at most 200 characters; may be empty
    sky::Site site;
    QString zoneId; // as saved, at most 100 characters: not checked here
};

// The site of a "site" object: {"name", "latitude" (-90 to 90), "longitude" (-180 to 180),
// "height" (-500 to 10000 m, 0 when missing or out of range), "zone"}. Empty without numbers in
// range for the latitude and the longitude, or without a zone.
std::optional<SavedSite> savedSiteOf(const QJsonObject &site);

// The site saved in the planner's settings file at path, read through readInput.
std::optional<SavedSite> readSavedSite(const QString &path);

// Where the planner keeps its settings: algol-planner.json in the user's configuration folder
// (~/.config, or $XDG_CONFIG_HOME).
QString plannerSettingsPath();

} // namespace listing
